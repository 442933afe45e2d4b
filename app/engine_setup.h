#ifndef OSTREL_APP_ENGINE_SETUP_H_
#define OSTREL_APP_ENGINE_SETUP_H_

// Creation of the process's engine application object with this program's settings, and its
// destruction at the end of every run.

// Creates GlobalCEFApp (the constructor recognises the process role) and applies the program's
// four settings. Runs identically in the browser process and in every sub-process.
void CreateEngineApplication();

// Clears GlobalCEFApp first and then destroys the object, so that nothing can reach a
// half-destroyed object through the variable. Does nothing when there is none.
void DestroyEngineApplication();

#endif  // OSTREL_APP_ENGINE_SETUP_H_
