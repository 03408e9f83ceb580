#pragma once
// Store constants: the idiom file and the key it was written with.

namespace gob {

// A bare relative name, so the store is looked up in the current directory.
inline constexpr char DatabaseFileName[] = "tirsel.edt";
// Only the first DatabaseKeyLength bytes key the file; the rest is kept so the
// constant has the agreed shape (four letters, seven digits, one capital).
inline constexpr char DatabaseKey[] = "qrln4708251K";
inline constexpr int DatabaseKeyLength = 4;

} // namespace gob
