// Answers the modal dialogs and message boxes that the code under test opens
// on this thread, as a person would, one answer per dialog in order.
//
// A thread-local WH_CBT hook sees each dialog as it is activated; the answer
// runs a moment later from a thread timer, inside the dialog's own message
// loop, once the dialog has finished initialising.
#ifndef LUMIGRID_TESTS_DIALOGANSWERER_H
#define LUMIGRID_TESTS_DIALOGANSWERER_H

#ifdef _WIN32

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>

class DialogAnswerer {
public:
    using Answer = std::function<void(HWND dialog)>;

    explicit DialogAnswerer(std::deque<Answer> answers) : answers_(std::move(answers)) {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, &DialogAnswerer::OnCbt, nullptr, GetCurrentThreadId());
    }
    ~DialogAnswerer() {
        if (timer_) KillTimer(nullptr, timer_);
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Dialogs seen and answered so far, and the title of each.
    int Answered() const { return answered_; }
    const std::deque<std::wstring>& Titles() const { return titles_; }

    // Common answers.
    static Answer Press(int id) {
        return [id](HWND dialog) {
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
        };
    }
    static Answer Cancel() { return Press(IDCANCEL); }
    // Types a name into a common file dialog and confirms it.
    static Answer ChooseFile(const std::string& path) {
        return [path](HWND dialog) {
            // The file-name box: a combo box in the newer dialog, an edit in the old.
            const int nameBoxes[] = {0x47c, 0x480};
            for (int id : nameBoxes) {
                if (HWND box = GetDlgItem(dialog, id)) {
                    SetWindowTextA(box, path.c_str());
                    break;
                }
            }
            Press(IDOK)(dialog);
        };
    }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        DialogAnswerer* self = current_;
        if (self && code == HCBT_ACTIVATE) {
            HWND window = reinterpret_cast<HWND>(wParam);
            wchar_t className[32] = L"";
            GetClassNameW(window, className, 32);
            // Dialogs and message boxes, each once.
            if (std::wstring(className) == L"#32770" && window != self->pending_ &&
                window != self->last_) {
                self->pending_ = window;
                if (!self->timer_) self->timer_ = SetTimer(nullptr, 0, 30, &DialogAnswerer::OnTimer);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        DialogAnswerer* self = current_;
        if (!self) return;
        KillTimer(nullptr, self->timer_);
        self->timer_ = 0;
        HWND dialog = self->pending_;
        self->pending_ = nullptr;
        if (!dialog || !IsWindow(dialog)) return;
        self->last_ = dialog;
        wchar_t title[256] = L"";
        GetWindowTextW(dialog, title, 256);
        self->titles_.push_back(title);
        ++self->answered_;
        if (self->answers_.empty()) {
            Cancel()(dialog);
            return;
        }
        Answer answer = std::move(self->answers_.front());
        self->answers_.pop_front();
        answer(dialog);
    }

    static inline DialogAnswerer* current_ = nullptr;
    HHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    HWND pending_ = nullptr;
    HWND last_ = nullptr;
    int answered_ = 0;
    std::deque<Answer> answers_;
    std::deque<std::wstring> titles_;
};

#endif

#endif
