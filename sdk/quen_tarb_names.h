// Names the plug-in gives to what the host keeps and shows, for host code that looks them up.
#ifndef QT_SDK_QUENTARBNAMES_H
#define QT_SDK_QUENTARBNAMES_H

// The options palette's dialog name.
#define kQuenTarbPaletteName "ZUQuenTarb"

#endif
