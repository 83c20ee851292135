// Dialog template and control ids, grouped by dialog. The resource script
// writes the same numbers.
#pragma once

namespace main_setup_ids {
inline constexpr int kTemplate = 111;
// Main Setup controls.
inline constexpr int kCameraSetupButton = 40000;  // default push button
inline constexpr int kModelList = 40001;
inline constexpr int k3GSetupButton = 40002;
inline constexpr int kVersionFrame = 40003;
inline constexpr int kLanguageList = 40004;
inline constexpr int kLanguageFrame = 40005;
inline constexpr int kVersionLabel = 40006;
inline constexpr int kModelFrame = 40007;
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
