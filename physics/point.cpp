#include "physics/point.h"

#include <string>

#include "resources/ids.h"
#include "ui/numtext.h"

PointQuery pointQuery;

void ShowSecondSolution(DialogHandle dialog, bool shown) {
    const struct {
        int id;
        const char* prefix;
        double value;
    } rows[] = {{IDC_SECOND_X, "x2: ", pointQuery.second.x},
                {IDC_SECOND_VY, "Vy2: ", pointQuery.second.vy},
                {IDC_SECOND_T, "t2: ", pointQuery.second.t}};
    for (const auto& row : rows) {
        std::string number = shown ? FormatFixed(row.value, 6, 2).substr(0, 20) : std::string();
        SetFieldText(dialog, row.id, row.prefix + number);
    }
    for (const auto& row : rows) EnableField(dialog, row.id, shown);
}
