#ifndef CMAKELINKGRAPH_H
#define CMAKELINKGRAPH_H

#include <QList>
#include <QPair>
#include <QString>

// The links between the targets of a CMake project as CMake itself resolves
// them: variables expanded and generator expressions evaluated, whatever way
// the CMakeLists.txt files spell them. The project is configured into a build
// folder of its own and its link graph read from CMake's Graphviz output.
class CMakeLinkGraph
{
public:
    using Link = QPair<QString, QString>; // linking target, linked target

    // The generator and the C++ compiler of the build that runs the check, so
    // that configuring finds what that build found.
    CMakeLinkGraph(const QString &cmake, const QString &generator, const QString &cxxCompiler);

    // Configures the project in sourceDir with the extra definitions
    // ("-DNAME=value") in a new folder under buildDir. False, with the reason
    // in error(), when CMake fails.
    bool read(const QString &sourceDir, const QString &buildDir, const QStringList &definitions = {});

    const QList<Link> &links() const { return m_links; }
    const QString &error() const { return m_error; }

private:
    bool parse(const QString &dotFile);

    const QString m_cmake;
    const QString m_generator;
    const QString m_cxxCompiler;
    QList<Link> m_links;
    QString m_error;
};

#endif // CMAKELINKGRAPH_H
