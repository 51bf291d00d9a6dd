#pragma once
// The data files: Windows Japanese code page (CP932), every line ended by CR LF.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Decodes CP932; bytes that are not valid CP932 become a substitute character
// rather than stopping the decode.
QString from_cp932(const QByteArray& bytes);
QByteArray to_cp932(const QString& text);
// The decoded text, or nothing when the bytes are not valid CP932.
std::optional<QString> from_cp932_strict(const QByteArray& bytes);
// True when every character of text has a CP932 form, so saving loses nothing.
// U+001C has none here: its code 0x1A is the end-of-file mark.
bool cp932_can_encode(const QString& text);
// Every character of text that CP932 has no form for, each once, in order of
// appearance; empty when the whole text can be saved.
QString cp932_unsaveable(const QString& text);
// The text with each character that the JIS mapping and the Windows CP932 table
// disagree on (〜 U+301C, − U+2212, ‖ U+2016, — U+2014, ¢ U+00A2, £ U+00A3, ¬ U+00AC)
// replaced by the one CP932 holds (～ U+FF5E, － U+FF0D, ∥ U+2225, ― U+2015, ￠, ￡, ￢).
// Input methods and phones send the JIS forms; applied wherever text enters.
QString replace_with_cp932_forms(QString text);
// Takes every character CP932 cannot hold out of text (a character beyond the basic
// plane whole) and answers them as cp932_unsaveable does: empty when nothing was taken.
QString take_out_unsaveable(QString& text);

// The file's bytes up to its first 0x1A byte (Ctrl-Z, the old end-of-file mark),
// or all of them; nullopt when the file cannot be opened.
std::optional<QByteArray> read_text_bytes(const QString& path);
// Reads the file as lines. CR LF and bare LF both end a line; a missing last
// line end is accepted. A 0x1A byte (Ctrl-Z) ends the text. nullopt when the
// file cannot be opened.
std::optional<QStringList> read_lines(const QString& path);
// The same lines as bytes, undecoded, without their line ends.
std::optional<QList<QByteArray>> read_byte_lines(const QString& path);

// Replaces the file whole (QSaveFile), each line followed by CR LF.
// False when the file could not be written; the old file is then untouched.
bool write_lines(const QString& path, const QStringList& lines);
// Replaces the file whole (QSaveFile) with these bytes.
bool write_bytes(const QString& path, const QByteArray& bytes);
