// Stand-in for the runtime's message box until it lands: no box is drawn; the responder (or the
// default button) answers, and every box is logged.
#include "forms/msgbox.h"

namespace forms {

namespace {
std::function<int(const MsgBoxRecord&)>& Responder() {
    static std::function<int(const MsgBoxRecord&)> responder;
    return responder;
}
std::vector<MsgBoxRecord>& Log() {
    static std::vector<MsgBoxRecord> log;
    return log;
}
} // namespace

std::vector<int> MsgBoxResults(int buttons) {
    switch (buttons & 15) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    MsgBoxRecord record{prompt, buttons, title};
    record.answer = Responder() ? Responder()(record) : MsgBoxResults(buttons).front();
    Log().push_back(record);
    return record.answer;
}

void SetMsgBoxResponder(std::function<int(const MsgBoxRecord&)> responder) {
    Responder() = std::move(responder);
}
const std::vector<MsgBoxRecord>& MsgBoxLog() {
    return Log();
}
void ClearMsgBoxLog() {
    Log().clear();
}
bool MsgBoxShowing() {
    return false;
}

} // namespace forms
