#include "plot/trajectory.h"

#include "physics/motion.h"

// The drawing itself is not built yet: a solved case counts as drawn, so that the point panel
// follows the solve as it will once the plot exists.
bool DrawTrajectory() { return motionCase.solved; }

void RedrawPlot() {}
