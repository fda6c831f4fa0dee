#include "common/stream_messenger.h"

using namespace Qt::StringLiterals;

QString StreamMessenger::OneLine(const QString& text)
{
    return text.simplified();
}

void StreamMessenger::write(const QString& text)
{
    ++count_;
    std::fputs((OneLine(text) + u'\n').toUtf8().constData(), stream_);
    std::fflush(stream_);
}

int StreamMessenger::show(const QString& text)
{
    write(text);
    return kAnswerNo;
}

int StreamMessenger::ask(const QString& text)
{
    write(text + (answerYes_ ? u" Ja"_s : u" Nein"_s));
    return answerYes_ ? kAnswerYes : kAnswerNo;
}

void StreamMessenger::systemMessage(const QString& text)
{
    write(text);
}
