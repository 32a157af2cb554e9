#include "report/report.h"

// Not built yet.
void SaveCase(DialogHandle) {}
