// What the camcfg fuzz targets feed arbitrary bytes through: the NAME=VALUE
// assignments of --set and `camcfg set`, and the JSON input of --from. The
// first input byte picks the record (bit 0: CFG.BIN or menu.dat) and the
// record the input is applied to (bit 1: the fresh record, or one whose
// every byte is 0xFF, as a file made elsewhere may hold). Each check returns
// null when every property held, otherwise what broke.
#pragma once

#include <cstddef>
#include <cstdint>

// The rest of the input is assignments, one per line, applied in order.
const char* CheckCamcfgSet(const std::uint8_t* data, std::size_t size);

// Bit 2 of the first byte clear: the rest is JSON text applied to the
// record. Set: the rest is a record image, shown as JSON and read back.
const char* CheckCamcfgJson(const std::uint8_t* data, std::size_t size);
