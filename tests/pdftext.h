// Reads back the text of a PDF written by Qt: inflates the streams, maps
// each font's glyph codes through its ToUnicode table and joins what the
// text operators show. Enough for the files this program writes.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <QtEndian>

namespace pdftext {

struct Object {
    QByteArray dict;
    QByteArray stream; // inflated
};

inline QByteArray inflate(const QByteArray &data)
{
    // qUncompress wants the expected size first; a generous guess grows.
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(quint32(data.size() * 20 + 1024), sized.data());
    return qUncompress(sized + data);
}

inline QHash<int, Object> objects(const QByteArray &pdf)
{
    QHash<int, Object> out;
    static const QRegularExpression start(QStringLiteral("(\\d+) 0 obj"));
    auto it = start.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        const auto m = it.next();
        const int from = int(m.capturedEnd());
        const int end = int(pdf.indexOf("endobj", from));
        if (end < 0)
            continue;
        const QByteArray body = pdf.mid(from, end - from);
        Object o;
        const int s = int(body.indexOf("stream"));
        if (s >= 0 && body.indexOf("endstream") > s) {
            o.dict = body.left(s);
            int data = s + 6;
            if (body[data] == '\r')
                ++data;
            if (body[data] == '\n')
                ++data;
            QByteArray raw = body.mid(data, body.lastIndexOf("endstream") - data);
            o.stream = o.dict.contains("/FlateDecode") ? inflate(raw) : raw;
        } else {
            o.dict = body;
        }
        out.insert(m.captured(1).toInt(), o);
    }
    return out;
}

// Glyph code -> text, from a ToUnicode CMap.
inline QHash<uint, QString> cmap(const QByteArray &text)
{
    auto hexText = [](const QByteArray &hex) {
        QString s;
        for (int i = 0; i + 4 <= hex.size(); i += 4)
            s.append(QChar(char16_t(hex.mid(i, 4).toUInt(nullptr, 16))));
        return s;
    };
    QHash<uint, QString> map;
    const QString t = QString::fromLatin1(text);
    static const QRegularExpression section(QStringLiteral("begin(bfchar|bfrange)(.*?)end\\1"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]+)>|\\[|\\]"));
    auto sections = section.globalMatch(t);
    while (sections.hasNext()) {
        const auto sm = sections.next();
        const bool range = sm.captured(1) == QStringLiteral("bfrange");
        for (const QString &line : sm.captured(2).split(QLatin1Char('\n'))) {
            QList<QByteArray> h;
            auto hm = hex.globalMatch(line);
            while (hm.hasNext()) {
                const auto x = hm.next();
                if (!x.captured(1).isEmpty())
                    h << x.captured(1).toLatin1();
            }
            if (!range && h.size() >= 2) {
                map.insert(h[0].toUInt(nullptr, 16), hexText(h[1]));
            } else if (range && h.size() >= 3) {
                const uint a = h[0].toUInt(nullptr, 16), b = h[1].toUInt(nullptr, 16);
                if (line.contains(QLatin1Char('['))) {
                    for (uint c = a; c <= b && int(c - a) + 2 < h.size(); ++c)
                        map.insert(c, hexText(h[int(c - a) + 2]));
                } else {
                    const uint first = h[2].toUInt(nullptr, 16);
                    for (uint c = a; c <= b; ++c)
                        map.insert(c, QString(QChar(char16_t(first + (c - a)))));
                }
            }
        }
    }
    return map;
}

// Every text the pages show, in drawing order, without any blanks.
inline QString text(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const auto objs = objects(f.readAll());

    // Font resource names ("/F7") -> glyph maps.
    QHash<QString, QHash<uint, QString>> fonts;
    static const QRegularExpression fontRef(QStringLiteral("/(F\\d+) (\\d+) 0 R"));
    static const QRegularExpression toUnicode(QStringLiteral("/ToUnicode (\\d+) 0 R"));
    for (const auto &o : objs) {
        auto refs = fontRef.globalMatch(QString::fromLatin1(o.dict));
        while (refs.hasNext()) {
            const auto r = refs.next();
            const auto font = objs.value(r.captured(2).toInt());
            const auto tu = toUnicode.match(QString::fromLatin1(font.dict));
            if (tu.hasMatch())
                fonts.insert(r.captured(1), cmap(objs.value(tu.captured(1).toInt()).stream));
        }
    }

    QString out;
    static const QRegularExpression op(QStringLiteral("/(F\\d+) [\\d.]+ Tf|<([0-9A-Fa-f]*)> Tj"));
    for (const auto &o : objs) {
        if (!o.stream.contains(" Tj"))
            continue;
        QString font;
        auto ops = op.globalMatch(QString::fromLatin1(o.stream));
        while (ops.hasNext()) {
            const auto m = ops.next();
            if (!m.captured(1).isEmpty()) {
                font = m.captured(1);
                continue;
            }
            const QString hex = m.captured(2);
            for (int i = 0; i + 4 <= hex.size(); i += 4)
                out +=
                    fonts.value(font).value(hex.mid(i, 4).toUInt(nullptr, 16), QStringLiteral("?"));
        }
    }
    out.remove(QRegularExpression(QStringLiteral("\\s")));
    return out;
}

// The document title of the Info dictionary (Qt writes it as UTF-16).
inline QString title(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray pdf = f.readAll();
    const int at = int(pdf.indexOf("/Title ("));
    if (at < 0)
        return QString();
    QByteArray raw;
    for (int i = at + 8; i < pdf.size() && pdf[i] != ')'; ++i) {
        if (pdf[i] == '\\' && i + 1 < pdf.size())
            ++i;
        raw.append(pdf[i]);
    }
    if (raw.startsWith("\xfe\xff")) {
        QString s;
        for (int i = 2; i + 1 < raw.size(); i += 2)
            s.append(QChar(char16_t((uchar(raw[i]) << 8) | uchar(raw[i + 1]))));
        return s;
    }
    return QString::fromLatin1(raw);
}

} // namespace pdftext
