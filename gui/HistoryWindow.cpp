#include "gui/HistoryWindow.h"

#include "archive/Archive.h"
#include "archive/DownloadArchiver.h"
#include "gui/HistoryModel.h"
#include "gui/ResultsWindow.h"
#include "gui/SaveDialogFlow.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

HistoryWindow::HistoryWindow(Archive *archive, const QString &problem, QWidget *parent)
    : QDialog(parent), archive(archive), model(new HistoryModel(this))
{
    setWindowTitle(tr("History"));
    setObjectName(QStringLiteral("HistoryWindow"));
    resize(860, 520);

    emptyLine = new QLabel(this);
    emptyLine->setObjectName(QStringLiteral("emptyLine"));
    emptyLine->setWordWrap(true);
    emptyLine->setText(archive ? tr("Every download you receive will appear here, also the ones "
                                    "you do not save.")
                               : problem);

    table = new QTableView(this);
    table->setObjectName(QStringLiteral("downloads"));
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->setTabKeyNavigation(false); // Tab leaves the list for the buttons
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(false);
    // Widths from the font, not from the rows: measuring 10,000 rows would cost the opening.
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int widths[] = {17, 9, 10, 7, 10, 30, 7, 6, 6};
    for (int column = 0; column < HistoryModel::ColumnCount; ++column)
        table->setColumnWidth(column, widths[column] * digit + 12);

    text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("downloadText"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setUndoRedoEnabled(false);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(table);
    splitter->addWidget(text);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    statusLine = new QLabel(this);
    statusLine->setObjectName(QStringLiteral("statusLine"));

    saveAsButton = new QPushButton(tr("&Save As..."), this);
    saveAsButton->setObjectName(QStringLiteral("saveAsBtn"));
    openButton = new QPushButton(tr("&Open"), this);
    openButton->setObjectName(QStringLiteral("openBtn"));
    openButton->setToolTip(tr("Opens the file this download was last saved as"));
    resultsButton = new QPushButton(tr("&Results..."), this);
    resultsButton->setObjectName(QStringLiteral("resultsBtn"));
    resultsButton->setToolTip(tr("Shows this download as a table of results"));
    deleteButton = new QPushButton(tr("&Delete"), this);
    deleteButton->setObjectName(QStringLiteral("deleteBtn"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    for (QPushButton *button : {saveAsButton, openButton, resultsButton, deleteButton}) {
        button->setAutoDefault(false);
        buttons->addButton(button, QDialogButtonBox::ActionRole);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(emptyLine);
    layout->addWidget(splitter, 1);
    layout->addWidget(statusLine);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(saveAsButton, &QPushButton::clicked, this, &HistoryWindow::saveAs);
    connect(openButton, &QPushButton::clicked, this, &HistoryWindow::openSaved);
    connect(resultsButton, &QPushButton::clicked, this, &HistoryWindow::showResults);
    connect(deleteButton, &QPushButton::clicked, this, &HistoryWindow::deleteSelected);
    auto *deleteKey = new QShortcut(QKeySequence::Delete, table);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &HistoryWindow::deleteSelected);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::selectionChanged);

    reload(std::nullopt);
    table->setFocus();
}

QString HistoryWindow::textOf(const QByteArray &received)
{
    QByteArray shown;
    shown.reserve(received.size());
    for (const char byte : received) {
        const char seven = char(byte & 0x7f);
        if (seven != '\r' && seven != '\0')
            shown.append(seven);
    }
    return QString::fromLatin1(shown);
}

void HistoryWindow::reload(std::optional<qint64> select)
{
    model->reload(archive);
    const bool empty = model->rowCount() == 0;
    emptyLine->setVisible(empty);
    int row = select ? model->rowOf(*select) : -1;
    if (row < 0 && !empty)
        row = 0;
    if (row >= 0)
        table->selectRow(row);
    else
        selectionChanged();
}

std::optional<qint64> HistoryWindow::selectedId() const
{
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return model->download(rows.constFirst().row()).id;
}

std::optional<QByteArray> HistoryWindow::selectedData(qint64 *id)
{
    const std::optional<qint64> selected = selectedId();
    if (!selected)
        return std::nullopt;
    *id = *selected;
    std::optional<QByteArray> data = archive->data(*selected);
    if (!data)
        SaveDialogFlow::warn(this, archive->errorString());
    return data;
}

void HistoryWindow::selectionChanged()
{
    const std::optional<qint64> id = selectedId();
    statusLine->clear();
    text->clear();
    saveAsButton->setEnabled(id.has_value());
    resultsButton->setEnabled(id.has_value());
    deleteButton->setEnabled(id.has_value());
    openButton->setEnabled(false);
    if (!id)
        return;
    const DownloadSummary &download = model->download(model->rowOf(*id));
    openButton->setEnabled(!download.lastSavedPath.isEmpty() &&
                           QFileInfo::exists(download.lastSavedPath));
    const std::optional<QByteArray> data = archive->data(*id);
    if (!data) {
        statusLine->setText(archive->errorString());
        saveAsButton->setEnabled(false);
        resultsButton->setEnabled(false);
        return;
    }
    text->setPlainText(textOf(*data));
    // A large download's results are read when it is first shown.
    if (!download.recordCount && DownloadArchiver::summarize(*archive, *id, *data)) {
        if (const std::optional<DownloadSummary> read = archive->summary(*id))
            model->update(model->rowOf(*id), *read);
    }
}

void HistoryWindow::saveAs()
{
    if (!selectedId())
        return;
    const std::optional<SaveDialogFlow::Choice> choice = SaveDialogFlow::ask(this);
    if (!choice)
        return;
    qint64 id = 0;
    const std::optional<QByteArray> data = selectedData(&id);
    if (!data)
        return;
    const SaveStep::Outcome outcome = SaveDialogFlow::save(this, *data, *choice);
    if (!outcome.saved())
        return;
    archive->recordSave(id, choice->fileName, outcome.european, QDateTime::currentDateTimeUtc());
    archive->checkpoint();
    reload(id);
    statusLine->setText(outcome.europeanRefused
                            ? outcome.headline + QStringLiteral("  ") +
                                  SaveStep::europeanRefusedText(choice->fileName)
                            : outcome.headline);
}

void HistoryWindow::openSaved()
{
    const std::optional<qint64> id = selectedId();
    if (!id)
        return;
    const QString path = model->download(model->rowOf(*id)).lastSavedPath;
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

HistoryWindow::~HistoryWindow()
{
    // While the History is shown, its modality lets only its own windows take input; once it
    // is gone, its Results windows live on beside the main window.
    for (ResultsWindow *results :
         findChildren<ResultsWindow *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect placed = results->geometry();
        results->setParent(parentWidget(), results->windowFlags());
        results->setGeometry(placed);
        results->show();
    }
}

void HistoryWindow::showResults()
{
    qint64 id = 0;
    const std::optional<QByteArray> data = selectedData(&id);
    if (!data)
        return;
    const DownloadSummary &download = model->download(model->rowOf(id));
    const QString title =
        download.lastSavedPath.isEmpty()
            ? QLocale().toString(download.started.toLocalTime(), QLocale::ShortFormat)
            : QFileInfo(download.lastSavedPath).fileName();
    auto *results = new ResultsWindow(*data, title, this);
    // The report's trace names the download; the site's design is kept beside it.
    results->setSource(download.ended.isValid() ? download.ended : download.started, id);
    results->setArchive(archive);
    results->show();
}

void HistoryWindow::deleteSelected()
{
    const std::optional<qint64> id = selectedId();
    if (!id)
        return;
    const DownloadSummary &download = model->download(model->rowOf(*id));
    QMessageBox question(this);
    question.setIcon(QMessageBox::Question);
    question.setText(
        tr("Delete the download of %1 from the archive?", "%1 is the date and time of the download")
            .arg(QLocale().toString(download.started.toLocalTime(), QLocale::ShortFormat)));
    question.setInformativeText(tr("The files it was saved as stay where they are."));
    question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    const int row = model->rowOf(*id);
    if (!archive->remove(*id)) {
        SaveDialogFlow::warn(this, archive->errorString());
        return;
    }
    model->reload(archive);
    const int rows = model->rowCount();
    reload(rows > 0 ? std::optional<qint64>(model->download(qMin(row, rows - 1)).id)
                    : std::nullopt);
}
