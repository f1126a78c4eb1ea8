#include "settings/RegistryFile.h"

#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <array>

namespace settings {

namespace {
const QString Header = QStringLiteral("REGEDIT4");
const std::array<QString, 2> Roots = {QStringLiteral("HKEY_CURRENT_USER"), QStringLiteral("HKEY_CLASSES_ROOT")};

bool SameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool HasControlCharacter(QStringView text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20)
            return true;
    }
    return false;
}

bool IsBlank(QStringView line) {
    return line.trimmed().isEmpty();
}

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

std::optional<uint32_t> ParseHex(QStringView digits, qsizetype maxDigits) {
    if (digits.isEmpty() || digits.size() > maxDigits)
        return std::nullopt;
    uint32_t value = 0;
    for (const QChar c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | uint32_t(digit);
    }
    return value;
}

// A double-quoted text at the start of `text`, with \\ and \" as its only escapes. `consumed` gets the length
// up to and including the closing quote.
std::optional<QString> ParseQuoted(QStringView text, qsizetype& consumed) {
    if (!text.startsWith(QLatin1Char('"')))
        return std::nullopt;
    QString result;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"')) {
            consumed = i + 1;
            return result;
        }
        if (c == QLatin1Char('\\')) {
            if (i + 1 >= text.size() || (text[i + 1] != QLatin1Char('\\') && text[i + 1] != QLatin1Char('"')))
                return std::nullopt;
            ++i;
        }
        result.append(text[i]);
    }
    return std::nullopt;
}

QString Quote(QStringView text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            quoted.append(QLatin1Char('\\'));
        quoted.append(c);
    }
    quoted.append(QLatin1Char('"'));
    return quoted;
}

std::optional<QByteArray> ParseByteList(QStringView list) {
    QByteArray bytes;
    list = list.trimmed();
    if (list.isEmpty())
        return bytes;
    for (QStringView item : list.split(QLatin1Char(','))) {
        const std::optional<uint32_t> byte = ParseHex(item.trimmed(), 2);
        if (!byte)
            return std::nullopt;
        bytes.append(char(*byte));
    }
    return bytes;
}

QString ByteList(const QByteArray& bytes) {
    QString list;
    list.reserve(bytes.size() * 3);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            list.append(QLatin1Char(','));
        list.append(QStringLiteral("%1").arg(uchar(bytes[i]), 2, 16, QLatin1Char('0')));
    }
    return list;
}

// A REG_SZ that can be written as a quoted text: valid UTF-8 with one closing NUL and no other control byte, so
// that the text converts back to exactly these bytes.
bool IsPlainText(const QByteArray& data) {
    if (data.isEmpty() || data.back() != '\0')
        return false;
    for (qsizetype i = 0; i + 1 < data.size(); ++i) {
        if (uchar(data[i]) < 0x20)
            return false;
    }
    const QByteArrayView text = QByteArrayView(data).chopped(1);
    return QString::fromUtf8(text).toUtf8() == text;
}

QString DataText(const RegistryValue& value) {
    if (value.type == RegSz && IsPlainText(value.data))
        return Quote(QString::fromUtf8(QByteArrayView(value.data).chopped(1)));
    if (value.type == RegDword && value.data.size() == 4) {
        const uint32_t number = uint32_t(uchar(value.data[0])) | uint32_t(uchar(value.data[1])) << 8 |
                                uint32_t(uchar(value.data[2])) << 16 | uint32_t(uchar(value.data[3])) << 24;
        return QStringLiteral("dword:%1").arg(number, 8, 16, QLatin1Char('0'));
    }
    if (value.type == RegBinary)
        return QStringLiteral("hex:") + ByteList(value.data);
    return QStringLiteral("hex(%1):").arg(value.type, 0, 16) + ByteList(value.data);
}

class Parser {
public:
    explicit Parser(QStringList fileLines) : lines(std::move(fileLines)) {}

    std::optional<RegistryHive> Run() {
        while (next < lines.size() && IsBlank(lines[next]))
            ++next;
        if (next == lines.size())
            return hive;
        if (lines[next++].trimmed() != Header)
            return std::nullopt;
        while (next < lines.size()) {
            const QString line = lines[next++].trimmed();
            const bool ok = line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
                            (line.startsWith(QLatin1Char('[')) ? Section(line) : Value(line));
            if (!ok)
                return std::nullopt;
        }
        return hive;
    }

private:
    bool Section(QStringView line) {
        if (!line.endsWith(QLatin1Char(']')))
            return false;
        const std::optional<QString> path = CanonicalKeyPath(line.sliced(1, line.size() - 2).toString());
        if (!path)
            return false;
        current = &hive.CreateKey(*path);
        return true;
    }

    bool Value(QStringView line) {
        if (!current)
            return false;
        RegistryValue value;
        qsizetype consumed = 1;
        if (!line.startsWith(QLatin1Char('@'))) {
            const std::optional<QString> name = ParseQuoted(line, consumed);
            if (!name || !IsValidValueName(*name))
                return false;
            value.name = *name;
        }
        QStringView rest = line.sliced(consumed).trimmed();
        if (!rest.startsWith(QLatin1Char('=')))
            return false;
        rest = rest.sliced(1).trimmed();
        if (!Data(rest, value))
            return false;
        current->SetValue(value);
        return true;
    }

    bool Data(QStringView text, RegistryValue& value) {
        if (text.startsWith(QLatin1Char('"'))) {
            qsizetype consumed = 0;
            const std::optional<QString> quoted = ParseQuoted(text, consumed);
            if (!quoted || !IsBlank(text.sliced(consumed)))
                return false;
            value.type = RegSz;
            value.data = quoted->toUtf8() + '\0';
            return true;
        }
        if (text.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const std::optional<uint32_t> number = ParseHex(text.sliced(6), 8);
            if (!number)
                return false;
            value.type = RegDword;
            value.data = QByteArray(4, '\0');
            for (int i = 0; i < 4; ++i)
                value.data[i] = char(*number >> (8 * i));
            return true;
        }
        if (!text.startsWith(QLatin1String("hex"), Qt::CaseInsensitive))
            return false;
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        if (colon < 0)
            return false;
        const QStringView kind = text.first(colon);
        if (kind.size() == 3) {
            value.type = RegBinary;
        } else {
            if (!kind.startsWith(QLatin1String("hex("), Qt::CaseInsensitive) || !kind.endsWith(QLatin1Char(')')))
                return false;
            const std::optional<uint32_t> type = ParseHex(kind.sliced(4, kind.size() - 5), 8);
            if (!type)
                return false;
            value.type = *type;
        }
        // Long byte lists continue on the next line after a trailing backslash.
        QString list = text.sliced(colon + 1).toString();
        while (list.endsWith(QLatin1Char('\\'))) {
            if (next >= lines.size())
                return false;
            list.chop(1);
            list += lines[next++].trimmed();
        }
        const std::optional<QByteArray> bytes = ParseByteList(list);
        if (!bytes)
            return false;
        value.data = *bytes;
        return true;
    }

    QStringList lines;
    qsizetype next = 0;
    RegistryHive hive;
    RegistryKey* current = nullptr;
};
} // namespace

const RegistryValue* RegistryKey::FindValue(const QString& name) const {
    const auto found = index.constFind(name.toCaseFolded());
    return found == index.constEnd() ? nullptr : &values[*found];
}

void RegistryKey::SetValue(const RegistryValue& value) {
    const QString folded = value.name.toCaseFolded();
    const auto found = index.constFind(folded);
    if (found != index.constEnd()) {
        values[*found].type = value.type;
        values[*found].data = value.data;
        return;
    }
    index.insert(folded, values.size());
    values.push_back(value);
}

const RegistryKey* RegistryHive::FindKey(const QString& path) const {
    const auto found = index.constFind(path.toCaseFolded());
    return found == index.constEnd() ? nullptr : &keys[*found];
}

RegistryKey* RegistryHive::FindKey(const QString& path) {
    return const_cast<RegistryKey*>(std::as_const(*this).FindKey(path));
}

bool RegistryHive::KeyExists(const QString& path) const {
    if (FindKey(path))
        return true;
    // A key also exists when it only has keys below it.
    const QString parent = path + QLatin1Char('\\');
    for (const RegistryKey& key : keys) {
        if (key.Path().startsWith(parent, Qt::CaseInsensitive))
            return true;
    }
    return std::any_of(Roots.begin(), Roots.end(), [&](const QString& root) { return SameName(root, path); });
}

RegistryKey& RegistryHive::CreateKey(const QString& path) {
    if (RegistryKey* key = FindKey(path))
        return *key;
    index.insert(path.toCaseFolded(), keys.size());
    return keys.emplace_back(path);
}

std::optional<QString> CanonicalKeyPath(const QString& path) {
    QStringList parts = path.split(QLatin1Char('\\'));
    const auto root = std::find_if(Roots.begin(), Roots.end(), [&](const QString& r) { return SameName(r, parts[0]); });
    if (root == Roots.end())
        return std::nullopt;
    parts[0] = *root;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].isEmpty() || parts[i].size() > MaxKeyNameLength || HasControlCharacter(parts[i]))
            return std::nullopt;
    }
    return parts.join(QLatin1Char('\\'));
}

bool IsValidValueName(const QString& name) {
    return name.size() <= MaxValueNameLength && !HasControlCharacter(name);
}

std::optional<RegistryHive> ParseRegistryFile(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar(0)))
        return std::nullopt;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return Parser(std::move(lines)).Run();
}

QByteArray SerializeRegistryFile(const RegistryHive& hive) {
    QString text = Header + QLatin1Char('\n');
    for (const RegistryKey& key : hive.Keys()) {
        text += QLatin1String("\n[") + key.Path() + QLatin1String("]\n");
        for (const RegistryValue& value : key.Values())
            text += (value.name.isEmpty() ? QStringLiteral("@") : Quote(value.name)) + QLatin1Char('=') +
                    DataText(value) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace settings
