#include "dialogs/about/win32/about_dlg.h"

#include <algorithm>

#include "dialogs/about/about.h"
#include "res/resource.h"
#include "winui/image_list.h"

namespace orvane::win32 {

namespace {

constexpr int kWidth = 345;
constexpr int kHeight = 271;
constexpr int kStripHeight = 14;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kStripColour = RGB(179, 190, 225);
constexpr char kFace[] = "Tahoma";
constexpr int kBannerHeight = 79;
constexpr winui::ImageSource kBannerSources[] = {{kWidth, IDB_ABOUT_BANNER},
                                                 {2 * kWidth, IDB_ABOUT_BANNER_2X}};
enum ControlId : int { kBanner = 100, kProduct, kPatch, kVisit, kLink, kNotice, kHomePage };

}  // namespace

void AboutDlg::Create(HWND owner) {
  owner_ = owner;
  DialogBase::Create({.owner = owner,
                      .caption = "About",
                      .width = kWidth,
                      .height = kHeight,
                      .x = 335,
                      .y = 367,
                      .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                      .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST});
}

void AboutDlg::OnCreate() {
  white_.Reset(::CreateSolidBrush(kWhite));
  const int width = Px(kWidth);
  bannerBitmap_ = winui::LoadPicture(kBannerSources, width, Px(kBannerHeight));
  banner_.Create({.parent = *this, .id = kBanner, .width = width, .height = Px(kBannerHeight)},
                 bannerBitmap_);
  textFont_ = winui::MakeFont(kFace, Px(-11));
  boldFont_ = winui::MakeFont(kFace, Px(-13), true);
  linkFont_ = winui::MakeFont(kFace, Px(-11), false, true);
  stripFont_ = winui::MakeFont(kFace, Px(-11), true);
  product_.Create({.parent = *this,
                   .id = kProduct,
                   .x = Px(16),
                   .y = Px(96),
                   .width = Px(kWidth - 32),
                   .height = Px(20),
                   .font = boldFont_});
  patch_.Create({.parent = *this,
                 .id = kPatch,
                 .x = Px(16),
                 .y = Px(136),
                 .width = Px(kWidth - 32),
                 .height = Px(16),
                 .font = textFont_});
  // The link follows its lead-in; where the font is wider than the form's, the line starts
  // further left so that the whole address shows.
  const std::string visit = "For more information visit ";
  const int visitWidth = winui::TextWidth(textFont_, visit);
  const int linkWidth = winui::TextWidth(linkFont_, kHomePageAddress) + Px(2);
  const int visitLeft = std::max(Px(8), std::min(Px(56), width - Px(8) - visitWidth - linkWidth));
  const int linkLeft =
      std::max(visitLeft + visitWidth, std::min(Px(192), width - Px(8) - linkWidth));
  visit_.Create({.parent = *this,
                 .id = kVisit,
                 .x = visitLeft,
                 .y = Px(208),
                 .width = linkLeft - visitLeft,
                 .height = Px(16),
                 .text = visit,
                 .font = textFont_});
  link_.Create({.parent = *this,
                .id = kLink,
                .x = linkLeft,
                .y = Px(208),
                .width = linkWidth,
                .height = Px(16),
                .text = kHomePageAddress,
                .font = linkFont_,
                .textColour = RGB(0, 0, 128),
                .link = true});
  link_.onClick = [this] { HomePageClick(); };
  notice_.Create({.parent = *this,
                  .id = kNotice,
                  .x = Px(64),
                  .y = Px(232),
                  .width = Px(kWidth - 64),
                  .height = Px(16),
                  .text = kMakerNotice,
                  .font = textFont_});
  homePage_.Create({.parent = *this,
                    .id = kHomePage,
                    .y = Px(kHeight) - Px(kStripHeight),
                    .width = width,
                    .height = Px(kStripHeight),
                    .text = HomePageStripText(),
                    .font = stripFont_,
                    .textColour = kWhite,
                    .background = kStripColour,
                    .alignRight = true,
                    .link = true});
  homePage_.onClick = [this] { HomePageClick(); };
}

bool AboutDlg::OnMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg != WM_ERASEBKGND) return false;
  const RECT r = ClientRect();
  ::FillRect(reinterpret_cast<HDC>(wp), &r, white_);
  result = TRUE;
  return true;
}

void AboutDlg::OnDpiChanged(int oldDpi, const RECT& suggested) {
  winui::Bitmap old = std::move(bannerBitmap_);
  bannerBitmap_ = winui::LoadPicture(kBannerSources, Px(kWidth), Px(kBannerHeight));
  banner_.SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bannerBitmap_.Get()));
  DialogBase::OnDpiChanged(oldDpi, suggested);
}

void AboutDlg::FormShow() {
  const winui::Window main(owner_);
  const RECT m = main.WindowRect();
  const RECT box = WindowRect();
  const AboutPoint at = CentredOn(m.left, m.top, m.right - m.left, m.bottom - m.top,
                                  box.right - box.left, box.bottom - box.top);
  ::SetWindowPos(*this, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const std::string title = main.GetText();
  SetText(AboutCaption(title));
  product_.SetCaption(ProductLabel(title));
  patch_.SetCaption(PatchLabel());
  Show();
  ::SetForegroundWindow(*this);
}

void AboutDlg::HomePageClick() {
  starter_.OpenDocument(HomePageTarget(homePage_.Caption()), "", "", ShowCommand::kShowNormal);
}

}  // namespace orvane::win32
