#include "app/about/about_form.h"

#include "app/about/about_text.h"
#include "app/home_page.h"
#include "ui/application.h"
#include "ui/application_events.h"
#include "ui/button.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/web_browser.h"

namespace {

constexpr const wchar_t* kFormFace = L"MS Sans Serif";
constexpr UINT_PTR kCreateBrowserTimer = 1;

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

} // namespace

TForm3::TForm3(TComponent* owner) : TForm(owner)
{
    Name = "Form3";
    SetCaption(L"Quorlen v1.0");
    SetClientSize(576, 483);
    Position = TPosition::MainFormCenter;
    MinimizeBox = false;
    SetColor(clBtnFace);
    Font() = TFont(kFormFace, 11);

    GroupBox1 = Make<TGroupBox>();
    GroupBox1->Name = "GroupBox1";
    GroupBox1->SetBounds(16, 16, 545, 185);
    GroupBox1->Font() = TFont(kFormFace, 11);
    GroupBox1->SetCaption(L"关于软件");
    GroupBox1->SetParent(this);

    Label1 = Make<TLabel>();
    Label1->Name = "Label1";
    Label1->SetBounds(16, 24, 513, 121);
    Label1->Font() = TFont(kFormFace, 13);
    Label1->SetWordWrap(true);
    Label1->SetParent(GroupBox1);

    Label2 = Make<TLabel>();
    Label2->Name = "Label2";
    Label2->SetBounds(16, 152, 201, 16);
    Label2->Font() = TFont(kFormFace, 13);
    Label2->SetCaption(L"官方主页: " + Wide(HostName(HomePageAddress())) + L" ");
    Label2->SetCursor(crHandPoint);
    Label2->SetParent(GroupBox1);

    WebBrowser1 = Make<TWebBrowser>(Wide(AboutPageAddress()));
    WebBrowser1->Name = "WebBrowser1";
    WebBrowser1->SetBounds(16, 208, 545, 217);
    WebBrowser1->SetParent(this);

    Label3 = Make<TLabel>();
    Label3->Name = "Label3";
    Label3->SetBounds(16, 448, 73, 16);
    Label3->Font() = TFont(kFormFace, 13, clNavy);
    Label3->SetCaption(L"官方主页");
    Label3->SetCursor(crHandPoint);
    Label3->SetParent(this);

    Button1 = Make<TButton>();
    Button1->Name = "Button1";
    Button1->SetBounds(488, 440, 73, 33);
    Button1->Font() = TFont(kFormFace, 13, clNavy);
    Button1->SetCaption(L"返回");
    Button1->SetParent(this);

    ApplicationEvents1 = Make<TApplicationEvents>();
    ApplicationEvents1->Name = "ApplicationEvents1";
    ApplicationEvents1->OnMessage = [this](MSG& msg) { return IsBrowserRightClick(msg); };

    Label2->OnClick = [this](TControl&) { OpenHomePage(); };
    Label3->OnClick = [this](TControl&) { OpenHomePage(); };
    Button1->OnClick = [this](TControl&) { Close(); };

    Label1->SetCaption(kAboutDescription);
    // The window, and after it the browser, which starts loading the page
    // when it is made, come once the program is idle: the main window is on
    // screen first. Showing the window earlier makes both at once.
    if (TApplication* app = Application())
        idle_work_ = app->WhenIdle([this] { MakeWindowAtIdle(); });
    else
        MakeWindowAtIdle();
}

TForm3::~TForm3()
{
    if (TApplication* app = Application(); app && idle_work_)
        app->CancelIdle(idle_work_);
    DestroyHandle();
}

void TForm3::MakeWindowAtIdle()
{
    idle_work_ = 0;
    SetTimer(Handle(), kCreateBrowserTimer, USER_TIMER_MINIMUM, nullptr);
}

bool TForm3::IsBrowserRightClick(const MSG& msg) const
{
    if (msg.message != WM_RBUTTONDOWN && msg.message != WM_RBUTTONUP && msg.message != WM_RBUTTONDBLCLK)
        return false;
    if (!WebBrowser1 || !WebBrowser1->HandleAllocated())
        return false;
    return IsChild(WebBrowser1->Handle(), msg.hwnd) != FALSE;
}

bool TForm3::DialogKey(const MSG& msg)
{
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        Close();
        return true;
    }
    return TForm::DialogKey(msg);
}

void TForm3::CreateBrowser()
{
    if (HandleAllocated())
        KillTimer(Handle(), kCreateBrowserTimer);
    WebBrowser1->Handle();
}

void TForm3::WndProc(TMessage& msg)
{
    if (msg.Msg == WM_TIMER && msg.WParam == kCreateBrowserTimer) {
        CreateBrowser();
        msg.Result = 0;
        return;
    }
    if (msg.Msg == WM_SHOWWINDOW && msg.WParam)
        CreateBrowser();
    TForm::WndProc(msg);
}

void TForm3::OpenHomePage()
{
    if (TApplication* app = Application())
        app->OpenDocument(Handle(), Wide(HomePageAddress()));
}
