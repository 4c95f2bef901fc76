#pragma once

#include <QString>

namespace host {

// A node of a tree view.
struct TreeNode {
    QString key;
    QString parentKey;  // empty for a root
    QString text;
    QString image;
    QString selectedImage;
    bool expanded = false;
};

}  // namespace host
