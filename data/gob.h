#pragma once
// Store constants: the idiom file and the key it was written with.

namespace gob {

// A bare relative name, so the store is looked up in the current directory.
inline constexpr char DatabaseFileName[] = "tirsel.edt";
// Only the first DatabaseKeyLength bytes key the file; the rest is kept so the
// constant has the agreed shape (four letters, seven digits, one capital).
inline constexpr char DatabaseKey[] = "qrln4708251K";
inline constexpr int DatabaseKeyLength = 4;

// The maker's web site: opened by the home-page links, and the base of the
// page the about window shows. A reserved example address until a real one exists.
inline constexpr char HomePage[] = "http://www.example.com/";

} // namespace gob
