#ifndef OSTREL_APP_PLACEHOLDER_WINDOW_H_
#define OSTREL_APP_PLACEHOLDER_WINDOW_H_

// A minimal main window shown while the real browser window does not exist yet: the program's
// caption and a "starting" text. Closing it ends the message loop.

// Creates and shows the window; false when it could not be created.
bool CreatePlaceholderWindow(int show_command);

// Runs the message loop of this thread until the window has closed.
void RunPlaceholderMessageLoop();

#endif  // OSTREL_APP_PLACEHOLDER_WINDOW_H_
