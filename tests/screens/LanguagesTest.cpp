// The screens in other languages: every translation is complete and loads,
// View > Language remembers a choice, and a Hindi report finds a glyph for
// every character.
#include "Languages.h"

#include "AppController.h"
#include "BirthDetailsScreen.h"
#include "ChartSettingsDialog.h"
#include "ChartWheel.h"
#include "MainWindow.h"
#include "ReportBox.h"
#include "ReportScreensTestSupport.h"
#include "UserMessages.h"
#include "chart/ChartReport.h"
#include "wheel/DegreeWheel.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGlyphRun>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QSettings>
#include <QTextBlock>
#include <QTextLayout>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace orbenza {
namespace {

using testing::RecordedMessages;

struct TsMessage {
    QString translation;
    bool unfinished = false;
};

// The messages of a .ts file by context and source text.
std::map<std::pair<QString, QString>, TsMessage> readTs(const QString& fileName) {
    std::map<std::pair<QString, QString>, TsMessage> messages;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << fileName.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QStringLiteral("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QStringLiteral("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QStringLiteral("translation")) {
            TsMessage& message = messages[{context, source}];
            message.unfinished =
                xml.attributes().value(QStringLiteral("type")) == QStringLiteral("unfinished");
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << fileName.toStdString() << ": "
                                 << xml.errorString().toStdString();
    return messages;
}

QString translationsDir() {
    return QStringLiteral(ORBENZA_SOURCE_DIR "/src/screens/translations/");
}

class Translation : public ::testing::TestWithParam<Language> {
protected:
    void TearDown() override { installLanguage(Language::English); }
};

TEST_P(Translation, HasEveryMessageOfTheTemplateTranslated) {
    const std::string_view code = languageCode(GetParam());
    const auto templateMessages = readTs(translationsDir() + QStringLiteral("orbenza.ts"));
    const auto translated =
        readTs(translationsDir() + QStringLiteral("orbenza_") +
               QString::fromLatin1(code.data(), qsizetype(code.size())) + QStringLiteral(".ts"));
    ASSERT_FALSE(templateMessages.empty());
    for (const auto& [key, message] : templateMessages) {
        const auto found = translated.find(key);
        ASSERT_NE(found, translated.end()) << "missing: " << key.second.toStdString();
        EXPECT_FALSE(found->second.unfinished) << key.second.toStdString();
        EXPECT_FALSE(found->second.translation.isEmpty()) << key.second.toStdString();
    }
    EXPECT_EQ(translated.size(), templateMessages.size()) << "messages the template lacks";
}

TEST_P(Translation, LoadsWithItsLocale) {
    ASSERT_TRUE(installLanguage(GetParam()));
    EXPECT_EQ(screenLanguage(), GetParam());
    EXPECT_NE(QCoreApplication::translate("orbenza::MainWindow", "E&xit"), "E&xit");
    EXPECT_EQ(QLocale().language(), localeOf(GetParam()).language());

    installLanguage(Language::English);
    EXPECT_EQ(QCoreApplication::translate("orbenza::MainWindow", "E&xit"), "E&xit");
    EXPECT_EQ(QLocale().language(), QLocale::English);
}

INSTANTIATE_TEST_SUITE_P(Languages, Translation,
                         ::testing::Values(Language::German, Language::French, Language::Spanish,
                                           Language::Italian, Language::BrazilianPortuguese,
                                           Language::Hindi),
                         [](const auto& param) { return std::string(languageCode(param.param)); });

// The standard buttons read in the language even where the system has no
// translations of Qt's own, and English keeps Qt's words.
TEST(StandardButtons, AreInTheScreensLanguage) {
    for (const auto& [language, cancel, no] : {std::tuple{Language::German, "Abbrechen", "&Nein"},
                                               std::tuple{Language::English, "Cancel", "&No"}}) {
        installLanguage(language);
        ChartSettingsDialog dialog(ChartChoices{});
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        ASSERT_NE(buttons, nullptr);
        EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8(cancel));
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::No);
        nameStandardButtons(&box);
        EXPECT_EQ(box.button(QMessageBox::No)->text(), QString::fromUtf8(no));
    }
}

TEST(LanguageChoice, IsRememberedAndSaidToTakeEffectOnTheNextStart) {
    QSettings().remove(QStringLiteral("language"));
    RecordedMessages messages;
    BirthDetailsScreen screen;
    QAction* german = screen.findChild<QAction*>(QStringLiteral("mnuLanguage_de"));
    ASSERT_NE(german, nullptr);
    QAction* english = screen.findChild<QAction*>(QStringLiteral("mnuLanguage_en"));
    ASSERT_NE(english, nullptr);
    EXPECT_TRUE(english->isChecked());

    german->trigger();
    EXPECT_EQ(preferredLanguage(), Language::German);
    EXPECT_EQ(screenLanguage(), Language::German);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Information);

    // The one in use again: nothing to do, nothing said.
    german->trigger();
    EXPECT_EQ(messages.messages().size(), 1u);

    // A code that is not a language falls back to the system's or English.
    QSettings().setValue(QStringLiteral("language"), QStringLiteral("xx"));
    EXPECT_NE(preferredLanguage(), Language::German);
    QSettings().remove(QStringLiteral("language"));
    installLanguage(Language::English);
}

// The characters of the text that are Devanagari letters, signs or digits.
QList<char32_t> devanagariIn(const QString& text) {
    QList<char32_t> found;
    for (char32_t c : text.toUcs4())
        if (c >= 0x0900 && c <= 0x097F)
            found.push_back(c);
    return found;
}

TEST(HindiReport, FindsAGlyphForEveryCharacter) {
    ReportBox box;
    const ChartResult chart = testing::chartOf(testing::annaEntries());
    box.showReport(chartReport(chart, Language::Hindi));
    const QTextDocument* document = box.document();
    const QString text = document->toPlainText();
    const QList<char32_t> hindi = devanagariIn(text);
    ASSERT_GT(hindi.size(), 1000) << "the report is not in Hindi";

    // The font the report names for Devanagari has every character of it.
    const QRawFont named = QRawFont::fromFont(QFont(QString::fromLatin1(kDevanagariFontFamily)),
                                              QFontDatabase::Devanagari);
    ASSERT_TRUE(named.isValid()) << "install fonts-lohit-deva";
    EXPECT_EQ(named.familyName(), QString::fromLatin1(kDevanagariFontFamily));
    for (char32_t c : hindi)
        ASSERT_TRUE(named.supportsCharacter(c)) << std::hex << static_cast<unsigned>(c);

    // And each paragraph, laid out in the report's font as the PDF and the
    // printer set it, draws no missing-glyph box: glyph 0 is the font's "not
    // defined" glyph.
    int glyphs = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextLayout layout(block.text(), document->defaultFont());
        layout.beginLayout();
        while (layout.createLine().isValid()) {
        }
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns()) {
            for (quint32 glyph : run.glyphIndexes()) {
                ASSERT_NE(glyph, 0u) << "in: " << block.text().toStdString();
                ++glyphs;
            }
        }
    }
    EXPECT_GT(glyphs, 1000);
}

// Writes the main window with a chart in German and in Hindi into
// ORBENZA_SCREENSHOT_DIR when it is set, for the user guide.
TEST(LanguageLook, Screenshots) {
    const QString folder = qEnvironmentVariable("ORBENZA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "ORBENZA_SCREENSHOT_DIR not set";
    QDir().mkpath(folder);
    applyProgramLook(*qApp);
    ChartWheel::initResources();
    for (const Language language : {Language::German, Language::Hindi}) {
        ASSERT_TRUE(installLanguage(language));
        AppController controller;
        controller.setModalRunner([](QDialog&) {});
        controller.setQuitHandler([] {});
        controller.start();
        BirthDetailsScreen* screen = controller.birthDetailsScreen();
        screen->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText("ADA");
        screen->findChild<QLineEdit*>(QStringLiteral("txtMCity"))->setText("Chennai");
        screen->findChild<QLineEdit*>(QStringLiteral("txtMState"))->setText("Tamil Nadu");
        screen->findChild<QLineEdit*>(QStringLiteral("txtMCountry"))->setText("India");
        screen->findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();
        ASSERT_NE(controller.mainWindow(), nullptr);
        controller.mainWindow()->showNormal();
        controller.mainWindow()->resize(1366, 768);
        QApplication::processEvents();
        const std::string_view code = languageCode(language);
        const QString name = QStringLiteral("main-window-") +
                             QString::fromLatin1(code.data(), qsizetype(code.size())) +
                             QStringLiteral(".png");
        EXPECT_TRUE(controller.mainWindow()->grab().save(QDir(folder).filePath(name)));
    }
    installLanguage(Language::English);
}

} // namespace
} // namespace orbenza
