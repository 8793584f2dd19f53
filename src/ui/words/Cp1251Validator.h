#pragma once

#include <QValidator>

// Keeps a line edit to text that Windows-1251 can hold as letters: characters the code page
// has no byte for, and control characters, are dropped from whatever is typed or pasted, so
// nothing ever turns into '?' or a missing letter on its way into the document.
class Cp1251Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};
