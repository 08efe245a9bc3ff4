#pragma once

#include <string>

#include "Conversions.h"
#include "ErrorMessage.h"
#include "ProjectState.h"
#include "WorkedEnvelope.h"

inline std::string Text(Decimal4 value) { return FormatDecimal4(value); }

// Direct and diffuse radiation of one record.
inline void SetIrradiance(ProjectState& state, int orientation, int hour, const char* direct, const char* diffuse) {
    WindowHourRecord& record = state.WindowHours.Record(orientation, hour);
    record[WindowField::IrradDirect] = ParseDecimal4(direct);
    record[WindowField::IrradDiffuse] = ParseDecimal4(diffuse);
}
