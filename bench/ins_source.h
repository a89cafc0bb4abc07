// The bench as a navigation source: writes fields of VELDRA's shared INS records by name.
#pragma once

#include "ins_fields.h"

namespace bench {

// Opens "TORV_VELDRA" and "insxferx" on first use (creating them zero-filled if needed) and
// writes the field. Returns false if the blocks cannot be opened.
bool WriteInsField(const FieldRef& field, double value);

} // namespace bench
