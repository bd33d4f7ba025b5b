#pragma once

#include <QHash>
#include <QObject>

class QAction;

// The program's commands as Qt actions: one QAction per command id, shared by the menu,
// the toolbar, the accelerators and the context menus, each with its menu text (the part
// after a tab shows as the shortcut), its accelerator, its status-bar prompt and its
// tooltip. Every action carries its id in data().
class CActionTable : public QObject
{
    Q_OBJECT

public:
    explicit CActionTable(QObject *parent = nullptr);

    // The action of a command id; null for an id the program does not have.
    QAction *action(int id) const { return actions_.value(id, nullptr); }

    // Every command id, in the order the table was built.
    const QList<int> &ids() const { return order_; }

signals:
    // An action was triggered.
    void command(int id);

private:
    QHash<int, QAction *> actions_;
    QList<int> order_;
};
