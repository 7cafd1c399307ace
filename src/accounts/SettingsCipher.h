#pragma once

#include <QString>

namespace tarnwell {

// The keyed, reversible scrambler for stored passwords: upper-case hex, one random
// lead byte, then one byte per byte of the password's UTF-8 form. An empty password
// is stored as empty text. It hides passwords from a casual look, nothing more.
namespace SettingsCipher {
QString encipher(const QString &password);
// Text that is not a stored password (odd length, not hex) deciphers to empty text.
QString decipher(const QString &stored);
} // namespace SettingsCipher

} // namespace tarnwell
