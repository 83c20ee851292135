// Puts a fully written temporary file in place of the target in one step,
// so that the previous target survives any failure before that step.
#pragma once

// Returns true when `target` now is the former `temporary`.
bool ReplaceFileWith(const char* temporary, const char* target);
