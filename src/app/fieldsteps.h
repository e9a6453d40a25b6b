#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <QObject>
#include <QString>

#include "app/undohistory.h"
#include "app/valuestep.h"

class QEvent;
class QWidget;

namespace sw {

// The window's fields as steps of the undo history: each watched value (a
// general-information field, the report) becomes one step each time one of
// its fields loses the focus with a value that differs from the last step's.
// Typing inside a field stays the field's own undo until then.
class TFieldSteps : public QObject {
    Q_OBJECT
public:
    TFieldSteps(TUndoHistory& history, QObject* parent);

    // fields show the value that read gives from the model; show puts a
    // value back into the model and the fields.
    template <typename Value>
    void Watch(const std::vector<QWidget*>& fields, const QString& stepText, std::function<Value()> read,
               std::function<void(const Value&)> show);
    // The value of field's entry as a step, when it changed.
    void Commit(QObject* field);
    void CommitAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        std::function<void()> commit;
        std::function<void()> resync;
    };
    void Add(const std::vector<QWidget*>& fields, Entry entry);
    // What the steps start from is the project as it now is.
    void Resync();

    TUndoHistory& history_;
    std::vector<Entry> entries_;
    std::map<QObject*, std::size_t> entryOf_;
};

template <typename Value>
void TFieldSteps::Watch(const std::vector<QWidget*>& fields, const QString& stepText, std::function<Value()> read,
                        std::function<void(const Value&)> show)
{
    // The value of the last step, which an undone or redone step sets too.
    auto stepped = std::make_shared<Value>(read());
    auto putBack = [stepped, show](const Value& value) {
        *stepped = value;
        show(value);
    };
    Entry entry;
    entry.commit = [this, stepped, read, putBack, stepText] {
        Value now = read();
        if (now == *stepped)
            return;
        Value before = std::exchange(*stepped, now);
        history_.Push(std::make_unique<TValueStep<Value>>(stepText, std::move(before), std::move(now), putBack));
    };
    entry.resync = [stepped, read] { *stepped = read(); };
    Add(fields, std::move(entry));
}

} // namespace sw
