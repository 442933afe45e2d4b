/* The program of a link check (engine/CMakeLists.txt): it is never run; linking it is the check. */
int main(void) { return 0; }
