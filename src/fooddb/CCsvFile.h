#pragma once

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <memory>
#include <vector>

class IMessageBox;

// Comma-separated text, read field by field through a 4096-byte buffer and written field by
// field. Written text is UTF-8; a field read is taken as UTF-8 when it is valid UTF-8 and
// otherwise one character per byte, so files of older 8-bit writers read as before. A field
// longer than 64 KiB is refused, never cut.
class CCsvFile
{
public:
    static constexpr int kBufferSize = 4096;
    static constexpr int kMaxField = 64 * 1024;
    // A backup file's field: a text the program holds may be longer in UTF-8 and with its quotes
    // doubled than a field of an import file, and the program must read back what it writes.
    static constexpr int kMaxStandardField = 1024 * 1024;

    explicit CCsvFile(IMessageBox* messages = nullptr) : m_messages(messages) {}
    ~CCsvFile();
    CCsvFile(const CCsvFile&) = delete;
    CCsvFile& operator=(const CCsvFile&) = delete;

    // ---- reading ----
    // Backup files are read as any CSV reader reads them: a quoted field may hold line ends, a
    // carriage return before a line end is no part of the line, and a text field is the text
    // between its quotes with doubled quotes made single. Set before OpenRead.
    void SetStandardQuoting(bool on) { m_standard = on; }
    // Opens an existing regular file and counts the fields of its first line. On failure shows
    // "Error opening the file NAME for reading." and returns false; a device, a pipe or a folder
    // is refused without being opened, so reading it can never hang.
    bool OpenRead(const QString& path);
    // Reads the next field; true when the end of the file was reached while reading it.
    bool ReadField();
    // The current field as text, with the quote rule.
    QString ReadText() const;
    // The current field, unchanged, as a number (0 when it does not start with one).
    double ReadNumber(bool* ok = nullptr) const;
    // The current field, unchanged, as an integer (0 when it does not start with digits).
    qint64 ReadInteger() const;
    // Whether the whole field is a number / an integer, as a strict reader wants.
    bool FieldIsNumber(double* value) const;
    bool FieldIsInteger(qint64* value) const;
    const QByteArray& RawField() const { return m_field; }
    bool EndOfLine() const { return m_endOfLine; }
    int ColumnCount() const { return m_columns; }
    // 1-based line of the current field.
    int Line() const { return m_fieldLine; }
    // A field too long to read: reading stops and this says where.
    bool HasError() const { return !m_error.isEmpty(); }
    const QString& Error() const { return m_error; }

    // ---- writing ----
    // Creates or replaces the file, readable by its owner alone; the old file stays until Close()
    // succeeds. On failure shows "Error opening CSV file for writing. Export function
    // terminated!" and returns false.
    bool OpenWrite(const QString& path);
    // Fields are gathered and handed to the file in large blocks; a write that fails shows in the
    // result of a later call and of Close().
    bool WriteText(const QString& text, bool endOfLine);
    bool WriteNumber(double value, bool endOfLine);
    bool WriteInteger(qint64 value, bool endOfLine);
    // Finishes the file written; false when it could not be written whole.
    bool Close();

    static QString QuoteRule(const QString& text);
    // A field as standard CSV has it: the text between its quotes, doubled quotes made single.
    static QString Unquote(const QString& field);
    static QString DecodeField(const QByteArray& bytes);
    // A raw field read as text (with the quote rule), as a number, as an integer.
    static QString TextOf(const QByteArray& field);
    static double NumberOf(const QByteArray& field, bool* ok = nullptr);
    static qint64 IntegerOf(const QByteArray& field);
    // Reads the fields up to the end of the line; true when the file ended.
    bool ReadLine(std::vector<QByteArray>* fields);

private:
    bool Fill();
    bool ReadFieldInto(QByteArray& field);
    void WriteField(const char* utf8, qsizetype size, bool endOfLine);
    // Hands what is written so far to the file.
    void Flush();

    IMessageBox* m_messages;
    bool m_standard = false;
    QString m_path;
    QFile m_in;
    std::unique_ptr<QSaveFile> m_out;
    QByteArray m_pending; // written fields not yet handed to the file
    bool m_writeFailed = false;
    char m_buffer[kBufferSize];
    int m_pos = 0;
    int m_valid = 0;
    QByteArray m_field;
    bool m_endOfLine = false;
    int m_columns = 0;
    int m_line = 1;
    int m_fieldLine = 1;
    QString m_error;
};
