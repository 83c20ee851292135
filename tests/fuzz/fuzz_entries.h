// What the fuzz targets and their regression tests feed arbitrary bytes
// through. Each check runs the real load (and, when the load accepts the
// bytes, the store and the verification load) and tests the properties
// every outcome must keep. It returns null when they all hold, otherwise a
// short description of the one that broke.
#pragma once

#include <cstddef>
#include <cstdint>

// The bytes as CFG.BIN: LoadSendSet(0), LoadSendSet(1), the store round
// trip, and NormalizeSendSet on the raw bytes when they are 1320 long.
const char* CheckLoadCfg(const std::uint8_t* data, std::size_t size);

// The bytes as menu.dat: LoadMenuData without and with a captured clock,
// and the store round trip.
const char* CheckLoadMenu(const std::uint8_t* data, std::size_t size);
