// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a stand-in document for each of the catalogue's document names into
// one folder: a one-page PDF for a ".pdf", an RTF document, which word
// processors open under the name, for a ".doc".
//
//   standinwriter FOLDER

#include "standinpaper.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <cstdio>

namespace {

using standins::StandinPaper;

bool writePdf(const QString &path, const StandinPaper &paper)
{
    QPdfWriter pdf(path);
    pdf.setTitle(paper.title);
    pdf.setCreator(QStringLiteral("Brevanor 2002"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    QTextDocument page;
    page.setPageSize(QSizeF(pdf.width(), pdf.height()));
    QString html = QStringLiteral("<h2>%1</h2>").arg(paper.lines().first().toHtmlEscaped());
    for (const QString &line : paper.lines().mid(1))
        html += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
    page.setHtml(html);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    painter.scale(pdf.resolution() / 96.0, pdf.resolution() / 96.0);
    page.setTextWidth(pdf.width() * 96.0 / pdf.resolution());
    page.drawContents(&painter);
    return painter.end();
}

// RTF is ASCII: every other letter is written as its UTF-16 code.
QByteArray rtfText(const QString &text)
{
    QByteArray rtf;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))
            rtf += '\\';
        if (c.unicode() < 0x80)
            rtf += char(c.unicode());
        else
            rtf += "\\u" + QByteArray::number(qint16(c.unicode())) + '?';
    }
    return rtf;
}

bool writeRtf(const QString &path, const StandinPaper &paper)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Sans;}}\n"
                     "{\\pard\\b\\fs32 "
                     + rtfText(paper.lines().first()) + "\\par}\n";
    for (const QString &line : paper.lines().mid(1))
        rtf += "{\\pard\\fs24 " + rtfText(line) + "\\par}\n";
    rtf += "}\n";
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(rtf) == rtf.size() && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    // Writing needs no screen: builds run without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 || !QDir().mkpath(arguments[1])) {
        std::fputs("usage: standinwriter FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(arguments[1]);
    for (const StandinPaper &paper : standins::standinPapers()) {
        const QString path = folder.filePath(paper.file);
        const bool pdf = paper.file.endsWith(QLatin1String(".pdf"));
        if (!(pdf ? writePdf(path, paper) : writeRtf(path, paper))) {
            std::fprintf(stderr, "standinwriter: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
