// libFuzzer target: the INI reader behind "tarnwell.ini". Any bytes give options;
// writing them into the same text and reading it back must give the same options,
// and the keys written must be found again.
#include "classify/rules/IniDocument.h"
#include "classify/rules/SpamOptionKeys.h"
#include "classify/rules/SpamOptionsFile.h"

#include <cstdint>
#include <cstdlib>

using namespace tarnwell;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// A value never spans lines, so a CR inside a counter text is written as a space.
SpamOptions asWritten(SpamOptions options)
{
    options.unknownCount.replace(QLatin1Char('\r'), QLatin1Char(' '));
    options.asciiCount.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return options;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    IniDocument ini = IniDocument::parse(bytes);
    const SpamOptions options = SpamOptionsFile::fromIni(ini);
    check(options.smallerLimit >= 0 && options.smallerLimit <= 100000);
    check(options.largerLimit >= 0 && options.largerLimit <= 99999999);
    check(options.asciiRange >= 0 && options.asciiRange <= 3);
    check(options.spellCount >= 0 && options.spellCount <= 2);

    SpamOptionsFile::toIni(options, ini);
    const IniDocument reread = IniDocument::parse(ini.serialize());
    for (const SpamOptionsFile::Entry &entry : SpamOptionsFile::entries(options, true)) {
        const auto value = reread.value(entry.section, entry.key);
        check(value.has_value());
    }
    check(SpamOptionsFile::fromIni(reread) == asWritten(options));
    return 0;
}
