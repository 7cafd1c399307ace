// Header lines from arbitrary bytes through the field lookup, the encoded-word
// decoder, the address split and the date reader.
#include "mail/headers/AddressSplit.h"
#include "mail/headers/EncodedWords.h"
#include "mail/headers/HeaderField.h"
#include "mail/headers/MailDate.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tarnwell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> lines = bytes.split('\n');

    for (const QByteArray &name : {QByteArray("Subject"), QByteArray("From"), QByteArray("Date"),
                                  QByteArray("Content-Type"), QByteArray("X")}) {
        const QByteArray value = headerField(lines, name);
        const bool cut = name != "Content-Type";
        if (cut && value.size() > 255)
            std::abort();
        if (value.size() > bytes.size() + 1)
            std::abort(); // decoding only shrinks; folding adds at most the joins it replaces
        if (name == "From") {
            const MailAddress address = splitAddress(value);
            if (address.address.size() > 255 || address.name.size() > 255)
                std::abort();
        }
        if (name == "Date") {
            const auto when = parseMailDate(value);
            if (when && !when->isValid())
                std::abort();
        }
    }
    bool decoded = false;
    const QByteArray plain = decodeEncodedWords(bytes, &decoded);
    if (!decoded && plain != bytes)
        std::abort();
    return 0;
}
