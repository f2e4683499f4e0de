// The "Update library" tab.
#include "app/update/update_tab.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/update/update_list_model.h"
#include "app/widgets/qt_ui.h"
#include "refresh/update_preview.h"
#include "reports/compare_settings.h"

namespace quillon::app {

UpdateTab::UpdateTab(Workspace& ws, QtUi& ui, QWidget* parent) : QWidget(parent), m_ws(ws), m_ui(ui)
{
    setObjectName("updateTab");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* row = new QHBoxLayout;
    m_result = new QLabel(this);
    row->addWidget(m_result, 1);
    m_update = new QPushButton("&Update...", this);
    m_refresh = new QPushButton("&Refresh list", this);
    m_clear = new QPushButton("Cl&ear list", this);
    for (QPushButton* b : {m_update, m_refresh, m_clear})
        row->addWidget(b);
    layout->addLayout(row);

    m_list = new QTreeView(this);
    m_list->setObjectName("updateList");
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setUniformRowHeights(true);
    m_model = new UpdateListModel(ws, this);
    m_list->setModel(m_model);
    m_list->setColumnWidth(UpdateListModel::Module, 140);
    m_list->setColumnWidth(UpdateListModel::FunctionName, 260);
    m_list->setColumnWidth(UpdateListModel::Ordinal, 70);
    m_list->header()->setStretchLastSection(true);
    layout->addWidget(m_list, 1);

    connect(m_update, &QPushButton::clicked, this, &UpdateTab::updateRequested);
    connect(m_refresh, &QPushButton::clicked, this, &UpdateTab::refreshList);
    connect(m_clear, &QPushButton::clicked, this, &UpdateTab::clearList);
    updateButtons();
}

QString UpdateTab::resultText() const
{
    return m_result->text();
}

void UpdateTab::setResultText(const QString& text)
{
    m_result->setText(text);
}

void UpdateTab::refreshList()
{
    if (m_ui.busy())
        return;
    m_ui.setBusy(true);
    m_ui.setWaitCursor(true);
    const reports::CompareOptions options = reports::readCompareSettings(m_ws.settings()).options;
    refresh::UpdatePreview preview = refresh::buildUpdatePreview(m_ws, options);
    m_ui.setWaitCursor(false);
    m_ui.setBusy(false);
    QString result = QString("%1 modules, %2 changed, %3 not located")
                         .arg(preview.modules)
                         .arg(preview.changedModules)
                         .arg(preview.notLocated);
    if (preview.kept > 0)
        result += QString(", %1 kept").arg(preview.kept);
    m_result->setText(preview.cancelled ? QString("Cancelled") : result);
    refresh::updatePreview(m_ws) = std::move(preview);
    reload();
}

void UpdateTab::clearList()
{
    refresh::clearUpdatePreview(m_ws);
    m_result->clear();
    reload();
}

void UpdateTab::reload()
{
    m_model->reload();
    updateButtons();
}

void UpdateTab::updateButtons()
{
    m_clear->setEnabled(m_model->rowCount() > 0);
}

}  // namespace quillon::app
