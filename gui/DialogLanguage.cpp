#include "gui/DialogLanguage.h"
#include "ui_DialogLanguage.h"

#include "common/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>

namespace {
const int CodeRole = Qt::UserRole + 1;
}

DialogLanguage::DialogLanguage(const QString &translationsDir, QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogLanguage)
{
    const QString storedPath = Settings::value(Settings::Key::LanguageFilePath).toString();
    ui->setupUi(this);

    const QLocale systemLocale = QLocale::system();
    QDir dir(translationsDir);
    dir.setFilter(QDir::Files);
    dir.setNameFilters({QStringLiteral("DravlinDataLogger*.qm")});
    dir.setSorting(QDir::Name | QDir::IgnoreCase);

    const QFileInfoList files = dir.entryInfoList();
    for (int index = 0; index < files.size(); ++index) {
        const QString path = files.at(index).filePath();
        // The language code is the two characters just before ".qm".
        const QString code = path.mid(path.size() - 5, 2);
        const QLocale locale(code);
        ui->languageCombo->addItem(QIcon(), QLocale::languageToString(locale.language()), path);
        ui->languageCombo->setItemData(index, code, CodeRole);

        const bool matches = storedPath.isEmpty() ? locale.language() == systemLocale.language()
                                                  : path == storedPath;
        if (matches)
            ui->languageCombo->setCurrentIndex(index);
    }
}

DialogLanguage::~DialogLanguage() = default;

void DialogLanguage::accept()
{
    Settings::setValue(Settings::Key::LanguageFilePath, filePath());
    Settings::setValue(Settings::Key::LanguageCode, iso639Code());
    QDialog::accept();
}

QString DialogLanguage::filePath() const
{
    return ui->languageCombo->currentData(Qt::UserRole).toString();
}

QString DialogLanguage::iso639Code() const
{
    return ui->languageCombo->currentData(CodeRole).toString();
}

bool DialogLanguage::hasLanguages() const
{
    return ui->languageCombo->count() > 0;
}
