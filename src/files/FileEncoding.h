#pragma once

// How a subtitle file's bytes were decoded; saving writes a UTF-8 file back
// as UTF-8 and everything else in code page 1250 where it fits.
enum class FileEncoding { Cp1250, Utf8, Utf8Bom, Utf16Le, Utf16Be };
