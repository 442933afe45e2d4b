#ifndef OSTREL_ENGINE_CORE_MILESTONES_H_
#define OSTREL_ENGINE_CORE_MILESTONES_H_

// Milestones of start-up and shutdown for the measurements: with OSTREL_MILESTONES=<file> in the
// environment, each mark appends "<process id> <ms since the process was created> <what>" to that
// file. Without the variable a mark costs one look at a static.

void MarkMilestone(const char* what);

#endif  // OSTREL_ENGINE_CORE_MILESTONES_H_
