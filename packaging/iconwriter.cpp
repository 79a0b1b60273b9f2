// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon into the files a desktop or Windows build installs.
//
//   iconwriter FILE.png SIZE     one square image of SIZE pixels
//   iconwriter FILE.ico SIZE...  an icon file with an image of each size

#include "iconfiles.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: iconwriter FILE.png SIZE | FILE.ico SIZE...\n", stderr);
    return 2;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs no screen: builds run without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 2)
        return usage();
    const QString path = arguments.takeFirst();
    QList<int> sizes;
    for (const QString &argument : arguments) {
        bool ok = false;
        const int size = argument.toInt(&ok);
        if (!ok || size < 1 || size > 256)
            return usage();
        sizes.append(size);
    }

    bool written = false;
    if (path.endsWith(QLatin1String(".ico")))
        written = writeFile(path, packaging::icoFile(packaging::iconImages(sizes)));
    else if (path.endsWith(QLatin1String(".png")) && sizes.size() == 1)
        written = packaging::iconImages(sizes).first().save(path, "PNG");
    else
        return usage();
    if (!written) {
        std::fprintf(stderr, "iconwriter: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
