// SPDX-License-Identifier: GPL-3.0-or-later
// Refuses, as they are typed, characters that the file a text is stored in cannot hold.
#pragma once

#include <QValidator>
#include <functional>

namespace mirvalon {

class StorableTextValidator : public QValidator
{
public:
    using Accepts = std::function<bool(const QString&)>;
    using Refused = std::function<void()>;

    StorableTextValidator(Accepts accepts, Refused refused, QObject* parent)
        : QValidator(parent), m_accepts(std::move(accepts)), m_refused(std::move(refused))
    {
    }

    State validate(QString& input, int&) const override
    {
        if (m_accepts(input))
            return Acceptable;
        if (m_refused)
            m_refused();
        return Invalid;
    }

private:
    Accepts m_accepts;
    Refused m_refused;
};

} // namespace mirvalon
