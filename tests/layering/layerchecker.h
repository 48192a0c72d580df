#ifndef LAYERCHECKER_H
#define LAYERCHECKER_H

#include "cmakelinkgraph.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Reads a source tree and tells where its layers reach up. The layers are
// folders of the tree, bottom first; a file belongs to the deepest layer
// folder that holds it, so library/gui/dialog is a layer of its own above
// library/gui. A file may include headers of its own layer and the layers
// below, and a library (a target a CMakeLists.txt of a layer defines) may link
// only targets of those layers.
//
// Includes are matched by path against the tree's own files, a path with ".."
// first from the including file's folder; a "name.pb.h" stands for the schema
// file "name.proto" it is generated from. Headers that are not in the tree
// (Qt, the C++ library, generated ones) are not looked at. Links are those
// CMake resolved (CMakeLinkGraph); the tree's CMakeLists.txt files tell in
// which layer each target is defined.
class LayerChecker
{
public:
    LayerChecker(const QString &root, const QStringList &layers);

    // "library/core/proxy/keyopenerchecks.cpp includes passcodedialog.h of
    // product/client/dialog"
    QStringList upwardIncludes() const;
    // "qorv_keyopener of library/core/proxy links qorv_clientdialog of
    // product/client/dialog", in order, each once
    QStringList upwardLinks(const QList<CMakeLinkGraph::Link> &links) const;
    // "library/extra/helper.cpp is in no layer": code beside the layers, in
    // the top folders that hold them.
    QStringList filesOutsideLayers() const;

private:
    int layerOf(const QString &path) const;
    int includedLayer(const QString &includer, const QString &include) const;
    QString read(const QString &path) const;

    const QString m_root;
    const QStringList m_layers;
    QStringList m_codeFiles;            // .h and .cpp, relative to the root
    QStringList m_cmakeFiles;           // CMakeLists.txt
    QStringList m_schemaFiles;          // .proto
    QHash<QString, int> m_targetLayers; // target name -> layer of the CMakeLists.txt defining it
};

#endif // LAYERCHECKER_H
