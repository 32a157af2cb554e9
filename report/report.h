// The case report: File > Save case.
#pragma once

#include "ui/fields.h"

void SaveCase(DialogHandle dialog);
