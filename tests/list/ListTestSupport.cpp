// Answers to the message boxes of the shortcut-list tests.
#include "tests/list/ListTestSupport.h"

#include "framework/window/MessageBox.h"

namespace
{
int AnswerMessageBox(HWND, const wchar_t* text, const wchar_t*, UINT type)
{
    MessageBoxLog& log = MessageBoxes();
    log.texts.push_back(text != nullptr ? text : L"");
    log.types.push_back(type);
    if (log.answers.empty())
        return IDNO;
    const int answer = log.answers.front();
    log.answers.erase(log.answers.begin());
    return answer;
}
} // namespace

MessageBoxLog& MessageBoxes()
{
    static MessageBoxLog log;
    return log;
}

void InstallMessageBoxAnswers()
{
    AfxSetMessageBoxHook(&AnswerMessageBox);
    MessageBoxes() = MessageBoxLog();
}
