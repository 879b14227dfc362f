#include "CategoryLabels.h"

#include "CardFields.h"
#include "frame/Ini.h"

namespace card {

CategoryFlags ReadCategoryFlags(const QString& labelFile) {
    auto flag = [&](const char* key) { return frame::GetINIInt("CONFIG", key, 0, labelFile) == 1; };
    return {flag("cddb"), flag("getdir"), flag("getfolder")};
}

QStringList ReadColumnCaptions(const QString& labelFile, const QString& labelSection,
                               const QString& keyPrefix) {
    QStringList captions;
    for (int i = 0; i <= 8; ++i)
        captions << frame::GetINI(labelSection, keyPrefix + QString::number(i), QString(), labelFile);
    captions << QString();
    return captions;
}

std::vector<int> TabTops(const QStringList& tabCaptions) {
    std::vector<int> tops;
    int top = kFirstTabTop;
    for (const QString& caption : tabCaptions) {
        if (IsShownCaption(caption)) {
            tops.push_back(top);
            top += kTabStep;
        } else {
            tops.push_back(-1);
        }
    }
    return tops;
}

}  // namespace card
