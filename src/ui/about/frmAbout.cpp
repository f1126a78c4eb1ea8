#include "ui/about/frmAbout.h"

#include "platform/Prompt.h"
#include "platform/widgets/Contrast.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Place.h"
#include "platform/widgets/Twips.h"
#include "ui/about/LinkLabel.h"
#include "ui/about/MakerPage.h"
#include "ui/resources/Resources.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

namespace {
constexpr QSize ArtworkSize(128, 63);

QLabel* TextLabel(QWidget* parent, const QString& name, QRect twips, const QString& caption, const QFont& font) {
    QLabel* label = platform::Place(new QLabel(parent), name, twips);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// A rule of width 2 centred on y, as a line control draws it.
QFrame* Rule(QWidget* parent, const QString& name, int y) {
    QFrame* rule = platform::Place(new QFrame(parent), name, platform::TwipsRect(225, y - 15, 5505 - 225, 30));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setLineWidth(2);
    return rule;
}

QPixmap Artwork(qreal devicePixelRatio) {
    LoadTallixResources();
    QSvgRenderer renderer(QStringLiteral(":/tallix/about.svg"));
    QPixmap pixmap(ArtworkSize * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
} // namespace

frmAbout::frmAbout(const QString& AppName, const QString& AppDescription, const QString& AppCopyright)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      OpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setFixedSize(platform::TwipsSize(5730, 3360));

    const QFont small = platform::SansSerifFont(8.25);
    QFont titleFont(QStringLiteral("Comic Neue"));
    titleFont.setStyleHint(QFont::Cursive);
    titleFont.setBold(true);
    titleFont.setPointSizeF(14.25);
    lblTitle =
        TextLabel(this, QStringLiteral("lblTitle"), platform::TwipsRect(2400, 120, 3165, 375), QString(), titleFont);
    lblCopyright = TextLabel(this, QStringLiteral("lblCopyright"), platform::TwipsRect(2400, 600, 3165, 465),
                             QStringLiteral("copyright"), small);
    lblDescription = TextLabel(this, QStringLiteral("lblDescription"), platform::TwipsRect(450, 1440, 4845, 930),
                               QStringLiteral("App Description"), small);
    Image1 = platform::Place(new QLabel(this), QStringLiteral("Image1"), platform::TwipsRect(240, 120, 1920, 945));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(Artwork(devicePixelRatioF()));
    Label1 = TextLabel(this, QStringLiteral("Label1"), platform::TwipsRect(360, 2880, 615, 255), tr("Web:"), small);

    Label3 = platform::Place(new LinkLabel(this), QStringLiteral("Label3"), platform::TwipsRect(960, 2880, 3495, 255));
    QFont linkFont = platform::SansSerifFont(9.75);
    linkFont.setUnderline(true);
    Label3->setFont(linkFont);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette linkPalette = Label3->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    // The link's blue is meant for a light face: on a dark one it stands on a light patch of its own.
    if (!platform::IsLight(palette().color(QPalette::Window))) {
        linkPalette.setColor(QPalette::Window, platform::LightFace());
        Label3->setAutoFillBackground(true);
    }
    Label3->setPalette(linkPalette);
    Label3->setCursor(Qt::PointingHandCursor);
    // A long file address does not fit the label: show its two ends, and the whole in the tool tip.
    const QString address = MakerPageUrl().toString();
    Label3->setText(Label3->fontMetrics().elidedText(address, Qt::ElideMiddle, Label3->width()));
    Label3->setToolTip(address);

    cmdOK = platform::Place(new QPushButton(this), QStringLiteral("cmdOK"), platform::TwipsRect(4440, 2880, 1260, 345));
    cmdOK->setText(tr("OK"));
    cmdOK->setDefault(true);

    Line1 = Rule(this, QStringLiteral("Line1"), 1200);
    Line2 = Rule(this, QStringLiteral("Line2"), 2640);

    // Escape already rejects a dialog: cmdOK is both its default and its cancel button.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Label3, &LinkLabel::Click, this, &frmAbout::Label3_Click);
    Form_Load(AppName, AppDescription, AppCopyright);
    cmdOK->setFocus();
}

void frmAbout::Form_Load(const QString& AppName, const QString& AppDescription, QString AppCopyright) {
    setWindowTitle(tr("About %1").arg(platform::ProgramTitle()));
    lblTitle->setText(AppName);
    lblDescription->setText(AppDescription);
    lblCopyright->setText(AppCopyright.replace(QChar(13), QLatin1Char('\n')));
}

void frmAbout::Label3_Click() {
    OpenUrl(MakerPageUrl());
}
