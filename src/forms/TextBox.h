#pragma once
// A one-line text box that can hold its text to a rule: every character that
// enters it, however it comes (typed, pasted by key, menu or middle click,
// dropped, committed by an input method), passes the rule.

#include <QLineEdit>

#include <cstdint>
#include <functional>
#include <optional>

namespace forms
{

class TextBox : public QLineEdit
{
public:
    // The code to insert for one character's code; 0 refuses the character.
    using Rule = std::function<std::int16_t(std::int16_t code)>;

    TextBox(const QString& text, QWidget* parent);

    // From now on the box keeps only what `rule` lets through (control
    // characters never): refused characters are dropped, the rest of an
    // insertion goes in at the cursor as usual, undoable in one step, and then
    // `refused` runs once for an insertion that lost something.
    void setInsertionRule(Rule rule, std::function<void()> refused);

protected:
    bool event(QEvent* event) override;

private:
    class Check;
    // `text` with every character passed through the rule.
    QString obeyingRule(const QString& text, bool* refused) const;
    // Puts in the part of `wanted` that the box's last change inserted, by the rule.
    void insertObeyingRule(const QString& wanted);

    Rule rule_;
    std::function<void()> refused_;
    int delivering_ = 0;
    // A change that broke the rule, which the box has just undone.
    std::optional<QString> undone_;
};

} // namespace forms
