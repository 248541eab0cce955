#include "CCsvFile.h"

#include "platform/IMessageBox.h"
#include "platform/NumberText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

#include <charconv>
#include <cstring>

#include <sys/stat.h>

namespace {

// Written fields go to the file in blocks of this size.
constexpr qsizetype kWriteBlock = 1 << 16;

} // namespace

CCsvFile::~CCsvFile()
{
    if (m_out)
        m_out->cancelWriting(); // a file not closed was not written whole
}

bool CCsvFile::OpenRead(const QString& path)
{
    m_path = path;
    m_in.setFileName(path);
    // A pipe would block the open itself and a device never ends: only regular files are read.
    struct stat info = {};
    const bool regular = ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
    if (!regular || !m_in.open(QIODevice::ReadOnly)) {
        m_error =
            regular || !QFileInfo::exists(path)
                ? QCoreApplication::translate("CCsvFile", "Error opening the file %1 for reading.").arg(path)
                : QCoreApplication::translate(
                      "CCsvFile", "Error opening the file %1 for reading: it is not a regular file.")
                      .arg(path);
        if (m_messages)
            m_messages->Tell(m_error, IMessageBox::Icon::None);
        return false;
    }
    // Count the fields of the first line, then start again from the beginning.
    m_columns = 0;
    bool eof = false;
    while (!eof) {
        eof = ReadField();
        if (HasError())
            break;
        if (!eof || !m_field.isEmpty() || m_columns > 0)
            ++m_columns;
        if (m_endOfLine)
            break;
    }
    m_in.seek(0);
    m_pos = m_valid = 0;
    m_line = m_fieldLine = 1;
    m_field.clear();
    m_endOfLine = false;
    m_error.clear();
    return true;
}

bool CCsvFile::Fill()
{
    m_pos = 0;
    const qint64 n = m_in.read(m_buffer, kBufferSize);
    m_valid = n > 0 ? static_cast<int>(n) : 0;
    return m_valid > 0;
}

bool CCsvFile::ReadField()
{
    return ReadFieldInto(m_field);
}

bool CCsvFile::ReadFieldInto(QByteArray& field)
{
    field.resize(0); // keeps its room: a file is thousands of fields
    m_endOfLine = false;
    m_fieldLine = m_line;
    bool inQuotes = false;
    const int limit = m_standard ? kMaxStandardField : kMaxField;
    const auto tooLong = [&] {
        if (m_error.isEmpty())
            m_error = QCoreApplication::translate("CCsvFile", "%1, line %2: a field is longer than %3 KiB.")
                          .arg(m_path)
                          .arg(m_line)
                          .arg(limit / 1024);
        return true;
    };
    for (;;) {
        if (m_pos >= m_valid && !Fill()) {
            if (m_standard && !inQuotes && field.endsWith('\r'))
                field.chop(1);
            return true;
        }
        // The bytes up to the next one that matters are taken in one piece.
        int end = m_pos;
        while (end < m_valid) {
            const char b = m_buffer[end];
            if (b == '"' || b == '\n' || (b == ',' && !inQuotes))
                break;
            ++end;
        }
        const qsizetype had = field.size();
        if (had + (end - m_pos) > limit)
            return tooLong();
        if (end > m_pos) {
            field.resize(had + (end - m_pos)); // within the room kept, unlike append
            std::memcpy(field.data() + had, m_buffer + m_pos, static_cast<size_t>(end - m_pos));
        }
        m_pos = end;
        if (end == m_valid)
            continue;
        const char c = m_buffer[m_pos];
        if (c == ',' || (c == '\n' && !(inQuotes && m_standard))) {
            ++m_pos;
            if (c == '\n') {
                m_endOfLine = true;
                ++m_line;
                if (m_standard && !inQuotes && field.endsWith('\r'))
                    field.chop(1); // a line end of another system
            }
            return false;
        }
        // A quote, or a line end inside a quoted text, which belongs to the text.
        if (field.size() + 1 > limit)
            return tooLong();
        if (c == '"')
            inQuotes = !inQuotes;
        else
            ++m_line;
        field.append(c);
        ++m_pos;
    }
}

QString CCsvFile::DecodeField(const QByteArray& bytes)
{
    // Plain ASCII, most fields, reads the same either way.
    if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<uchar>(b) < 0x80; }))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

namespace {

// A doubled quote is kept as "$$" while single quotes are dropped; then every "$$" is a quote.
// Writes the result to out (room for n) and returns its length.
template <typename C> qsizetype ApplyQuoteRule(const C* in, qsizetype n, C* out)
{
    qsizetype kept = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (in[i] != C('"')) {
            out[kept++] = in[i];
        } else if (i + 1 < n && in[i + 1] == C('"')) {
            out[kept++] = C('$');
            out[kept++] = C('$');
            ++i;
        }
    }
    qsizetype size = 0;
    for (qsizetype i = 0; i < kept; ++i) {
        if (out[i] == C('$') && i + 1 < kept && out[i + 1] == C('$')) {
            out[size++] = C('"');
            ++i;
        } else {
            out[size++] = out[i];
        }
    }
    return size;
}

} // namespace

QString CCsvFile::QuoteRule(const QString& field)
{
    // "$$" turns into a quote too, as it always has.
    if (!field.contains(QLatin1Char('"')) && !field.contains(QLatin1String("$$")))
        return field;
    QString t(field.size(), Qt::Uninitialized);
    t.resize(ApplyQuoteRule(field.constData(), field.size(), t.data()));
    return t;
}

QString CCsvFile::TextOf(const QByteArray& field)
{
    bool ascii = true;
    bool plain = true;
    for (const char b : field) {
        if (static_cast<uchar>(b) >= 0x80)
            ascii = false;
        else if (b == '"' || b == '$')
            plain = false;
    }
    if (ascii && plain)
        return QString::fromLatin1(field); // most fields
    if (!ascii)
        return QuoteRule(DecodeField(field));
    // Quotes and dollars are the same bytes as characters in plain ASCII.
    QByteArray t(field.size(), Qt::Uninitialized);
    t.resize(ApplyQuoteRule(field.constData(), field.size(), t.data()));
    return QString::fromLatin1(t);
}

QString CCsvFile::Unquote(const QString& field)
{
    if (field.size() < 2 || !field.startsWith(QLatin1Char('"')) || !field.endsWith(QLatin1Char('"')))
        return field;
    QString t = field.mid(1, field.size() - 2);
    t.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return t;
}

QString CCsvFile::ReadText() const
{
    return m_standard ? Unquote(DecodeField(m_field)) : TextOf(m_field);
}

double CCsvFile::NumberOf(const QByteArray& field, bool* ok)
{
    return NumberText::ToDouble(field.constData(), field.size(), ok);
}

qint64 CCsvFile::IntegerOf(const QByteArray& field)
{
    return NumberText::ToInt(field.constData(), field.size());
}

double CCsvFile::ReadNumber(bool* ok) const
{
    return NumberOf(m_field, ok);
}

qint64 CCsvFile::ReadInteger() const
{
    return IntegerOf(m_field);
}

bool CCsvFile::ReadLine(std::vector<QByteArray>* fields)
{
    // The fields of the line before are read into again, so a line costs no allocations.
    size_t count = 0;
    bool eof = false;
    for (;;) {
        if (count == fields->size())
            fields->emplace_back();
        QByteArray& field = (*fields)[count];
        eof = ReadFieldInto(field);
        if (HasError()) {
            eof = true;
            break;
        }
        if (!eof || !field.isEmpty() || count > 0)
            ++count;
        if (eof || m_endOfLine)
            break;
    }
    fields->resize(count);
    return eof;
}

bool CCsvFile::FieldIsNumber(double* value) const
{
    const char* b = m_field.constData();
    const char* e = b + m_field.size();
    if (b != e && *b == '+')
        ++b;
    const auto r = std::from_chars(b, e, *value, std::chars_format::general);
    return b != e && r.ec == std::errc() && r.ptr == e;
}

bool CCsvFile::FieldIsInteger(qint64* value) const
{
    const char* b = m_field.constData();
    const char* e = b + m_field.size();
    if (b != e && *b == '+')
        ++b;
    const auto r = std::from_chars(b, e, *value);
    return b != e && r.ec == std::errc() && r.ptr == e;
}

bool CCsvFile::OpenWrite(const QString& path)
{
    m_path = path;
    m_out = std::make_unique<QSaveFile>(path);
    m_writeFailed = false;
    m_pending.clear();
    m_pending.reserve(kWriteBlock + 4096);
    if (!m_out->open(QIODevice::WriteOnly) ||
        !m_out->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        m_out.reset();
        if (m_messages)
            m_messages->Tell(
                QCoreApplication::translate(
                    "CCsvFile", "Error opening CSV file for writing. Export function terminated!"),
                IMessageBox::Icon::None);
        return false;
    }
    return true;
}

void CCsvFile::WriteField(const char* utf8, qsizetype size, bool endOfLine)
{
    // Line ends are quoted too, so that a reader of standard CSV gets the text back whole.
    bool quote = false;
    for (qsizetype i = 0; i < size && !quote; ++i)
        quote = utf8[i] == ',' || utf8[i] == '"' || utf8[i] == '\n' || utf8[i] == '\r';
    if (quote) {
        m_pending.append('"');
        for (qsizetype i = 0; i < size; ++i) {
            if (utf8[i] == '"')
                m_pending.append('"');
            m_pending.append(utf8[i]);
        }
        m_pending.append('"');
    } else {
        m_pending.append(utf8, size);
    }
    m_pending.append(endOfLine ? '\n' : ',');
    if (m_pending.size() >= kWriteBlock)
        Flush();
}

void CCsvFile::Flush()
{
    if (m_pending.isEmpty())
        return;
    if (m_out->write(m_pending) != m_pending.size())
        m_writeFailed = true;
    m_pending.clear();
}

bool CCsvFile::WriteText(const QString& text, bool endOfLine)
{
    if (!m_out)
        return false;
    const QByteArray utf8 = text.toUtf8();
    WriteField(utf8.constData(), utf8.size(), endOfLine);
    return !m_writeFailed;
}

bool CCsvFile::WriteNumber(double value, bool endOfLine)
{
    if (!m_out)
        return false;
    char buf[64];
    const qsizetype n = NumberText::Shortest(value, buf, sizeof buf);
    WriteField(buf, n, endOfLine);
    return !m_writeFailed;
}

bool CCsvFile::WriteInteger(qint64 value, bool endOfLine)
{
    if (!m_out)
        return false;
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    WriteField(buf, res.ptr - buf, endOfLine);
    return !m_writeFailed;
}

bool CCsvFile::Close()
{
    if (m_in.isOpen())
        m_in.close();
    if (!m_out)
        return true;
    Flush();
    const bool ok = !m_writeFailed && m_out->commit();
    m_out.reset();
    return ok;
}
