#pragma once

#include <functional>
#include <utility>

#include <QUndoCommand>

namespace sw {

// One step over one value of the project (a general-information field, the
// report, the style set, the page layout): its value before and after, put
// back by show, which sets the model and what the window shows of it. The
// editor has made the change when the step is pushed.
template <typename Value>
class TValueStep : public QUndoCommand {
public:
    TValueStep(const QString& text, Value before, Value after, std::function<void(const Value&)> show)
        : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)), show_(std::move(show))
    {
    }

    void undo() override { show_(before_); }
    void redo() override
    {
        // The first redo is the push, after the change was made.
        if (done_)
            show_(after_);
        done_ = true;
    }

private:
    Value before_;
    Value after_;
    std::function<void(const Value&)> show_;
    bool done_ = false;
};

} // namespace sw
