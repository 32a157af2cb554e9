#include "ui/fields.h"

#include "ui/numtext.h"

bool ReadRealField(DialogHandle dialog, int id, double& value) {
    return ParseReal(GetFieldText(dialog, id), value);
}
