// Comparing freshly drawn pictures and files with the ones kept in assets/, allowing for another processor's rounding.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace vellumet::artwork {

// Whether a picture drawn afresh is the picture kept in assets/. Antialiased
// drawing goes through floating-point code that each processor may round a
// little differently, so an exact comparison holds only on the machine that
// drew the pictures. These rules absorb such rounding and still catch a real
// change: a shape moved, resized or recoloured.
//
// A pixel matches when no channel, weighed by its opacity, differs by more
// than RoundingLevels. The
// sixteen-colour icons threshold coverage and then take a palette colour, so
// rounding can flip a whole pixel on a shape's edge to its neighbour's
// colour; a few such pixels are allowed, and only where the kept picture has
// an edge. A fill that changed colour or a shape that moved changes pixels
// away from any edge, or many more along it.
inline constexpr int RoundingLevels = 2;

// How many edge pixels of a picture may differ by more than the rounding.
int AllowedEdgeFlips(const QImage& picture);

// Empty when the two pictures match; otherwise why they do not.
QString PictureMismatch(const QImage& drawn, const QImage& kept);

// The same for two files of one name: PNG, BMP, icon and cursor files are
// compared picture by picture, SVG files number by number to within the
// last written decimal, anything else byte for byte.
QString FileMismatch(const QString& name, const QByteArray& drawn, const QByteArray& kept);

} // namespace vellumet::artwork
