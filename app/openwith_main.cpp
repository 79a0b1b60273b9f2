// SPDX-License-Identifier: GPL-3.0-or-later
// The Open With chooser, a program of its own: it shows the chooser for the
// one file it is given and ends when the chooser closes.
#include "documents/openwithdialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(BREVANOR_APP_ID));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 || arguments[1].isEmpty()) {
        std::fprintf(stderr, "usage: %s FILE\n", qPrintable(QFileInfo(arguments[0]).fileName()));
        return 2;
    }
    documents::OpenWithDialog chooser(QDir::current().absoluteFilePath(arguments[1]));
    chooser.show();
    // The chooser ends with its window: Open and Cancel alike leave nothing to do.
    QObject::connect(&chooser, &QDialog::finished, &application, &QCoreApplication::quit);
    return application.exec();
}
