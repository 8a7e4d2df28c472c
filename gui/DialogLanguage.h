#ifndef MARLUNE_DIALOGLANGUAGE_H
#define MARLUNE_DIALOGLANGUAGE_H

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class DialogLanguage;
}

// Lists the program's translation files found in a translations folder by the
// English name of their language and stores the user's choice.
class DialogLanguage : public QDialog
{
    Q_OBJECT

public:
    explicit DialogLanguage(const QString &translationsDir, QWidget *parent = nullptr);
    ~DialogLanguage() override;

    // Stores the chosen file and language code, then closes the dialog as accepted.
    void accept() override;

    QString filePath() const;
    QString iso639Code() const;
    bool hasLanguages() const;

private:
    std::unique_ptr<Ui::DialogLanguage> ui;
};

#endif
