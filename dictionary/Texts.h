#pragma once
// The Danish texts of this subsystem, in one place, as the user sees them
// (UTF-8). Formats use printf conversions.

namespace vorkel::texts {

// === section markers: each concept adds its texts under its own heading ===

}  // namespace vorkel::texts
