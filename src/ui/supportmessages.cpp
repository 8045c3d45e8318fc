#include "ui/supportmessages.h"

#include "platform/randomsource.h"

#include <QCoreApplication>
#include <cmath>

namespace {

// The exit screen's requests, in the label under its caption.
struct SupportMessageText
{
    Q_DECLARE_TR_FUNCTIONS(SupportMessages)
};

} // namespace

namespace SupportMessages {

int indexFor(float r)
{
    const float scaled = r * 4.0f;
    return static_cast<int>(std::floor(scaled));
}

int draw(RandomSource& random)
{
    return indexFor(random.next());
}

QString text(int index, const QString& forumAddress)
{
    const QString& site = forumAddress;
    switch (index) {
    case 0:
        //: Exit screen: request 1 of four to support the forum, one shown per run, bold
        //: 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is
        //: the forum's web address (such as www.example.com). "Quillory Softwares" is the
        //: maker's name.
        return SupportMessageText::tr(
            "Quillory Softwares like this one can be created and maintained only with your support. "
            "The best way to support the forum is to visit %1 regularly and take part in the "
            "discussions and other activities on the board.")
            .arg(site);
    case 1:
        //: Exit screen: request 2 of four to support the forum, one shown per run, bold
        //: 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is
        //: the forum's web address (such as www.example.com).
        return SupportMessageText::tr(
            "Visit %1 regularly. Support %1 by taking part in the discussions and other activities. "
            "These softwares cannot be supported and maintained unless you visit %1 regularly.")
            .arg(site);
    case 2:
        //: Exit screen: request 3 of four to support the forum, one shown per run, bold
        //: 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is
        //: the forum's web address (such as www.example.com).
        return SupportMessageText::tr(
            "%1 is a FREE online discussion forum on quillory. To help %1 develop and maintain "
            "this software, visit the forum regularly.")
            .arg(site);
    case 3:
        //: Exit screen: request 4 of four to support the forum, one shown per run, bold
        //: 9.75 pt word-wrapped in 465 x 73 px (set smaller where it does not fit); %1 is
        //: the forum's web address (such as www.example.com). "Quillory Softwares" is the
        //: maker's name.
        return SupportMessageText::tr(
            "%1 needs your help. All you need to do is visit %1 regularly and take part in the "
            "various discussions and activities, to help us maintain and develop more Quillory "
            "Softwares.")
            .arg(site);
    default:
        return QString();
    }
}

} // namespace SupportMessages
