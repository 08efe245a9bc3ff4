#include "ProjectState.h"

ProjectState Project;

void ResetProjectState() { Project = ProjectState(); }
