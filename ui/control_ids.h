// Dialog template and control ids, grouped by dialog. The resource script
// writes the same numbers.
#pragma once

namespace main_setup_ids {
inline constexpr int kTemplate = 111;
// Main Setup controls.
}  // namespace main_setup_ids

namespace camera_setup_ids {
inline constexpr int kTemplate = 113;
// Camera Setup controls.
}  // namespace camera_setup_ids

namespace parameter_page_ids {
inline constexpr int kTemplate = 107;
// 3G parameter page controls.
}  // namespace parameter_page_ids

namespace send_page_ids {
inline constexpr int kTemplate = 106;
// 3G send page controls.
}  // namespace send_page_ids
