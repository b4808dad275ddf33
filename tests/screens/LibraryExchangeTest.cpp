// File → Import AAF… and Export AAF… in the open chart dialog.
#include "LibraryExchange.h"

#include "LibraryDialog.h"
#include "ShellRecorders.h"

#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(LibraryExchangeScreen, ImportKeepsTheReadableChartsAndExportWritesThemAll) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    store::ChartLibrary library;
    ASSERT_TRUE(library.open(folder.filePath(QStringLiteral("charts.sqlite")).toStdString()));
    const QString input = folder.filePath(QStringLiteral("in.aaf"));
    {
        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#A93:Muster,Anna,f,12.3.1970,15:42,Kandel/Pfalz,D\n"
                   "#B93:2440658.112500,49n05,8e12,1hE00,0\n"
                   "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-en-Provence,F\n"
                   "#B93:2393125.44167,43n32,5e26,0mE22,0\n"
                   "#A93:Weiss,Eva,f,5.6.1905,10:00,Kandel,D\n"
                   "#B93:*,49n05,8e12,0mE33,0\n");
    }
    QString chosen = input;
    std::vector<bool> askedForSaving;
    const AafFileChooser previous = setAafFileChooser([&](QWidget*, bool forSaving) {
        askedForSaving.push_back(forSaving);
        return chosen;
    });
    testing::MessageRecorder messages;
    OpenChartDialog dialog(library);
    ASSERT_EQ(dialog.findChildren<QMenuBar*>().size(), 1);

    dialog.importAaf();
    EXPECT_EQ(dialog.model()->rowCount(), 2);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("line 3: the year 1839")))
        << messages.messages()[0].text.toStdString();

    chosen = folder.filePath(QStringLiteral("out.aaf"));
    dialog.exportAaf();
    const QByteArray written = fileBytes(chosen);
    EXPECT_EQ(written.count("#A93:"), 2) << written.toStdString();
    EXPECT_TRUE(written.contains("#B93:2440658.112500,49n05,8e12,1hE00,0\n"));
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[1].icon, MessageIcon::Information);

    // Cancelling the file dialog does nothing.
    chosen.clear();
    dialog.importAaf();
    EXPECT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(askedForSaving, (std::vector<bool>{false, true, false}));
    setAafFileChooser(previous);
}

} // namespace
} // namespace orbenza
