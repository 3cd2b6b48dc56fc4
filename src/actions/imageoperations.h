#pragma once

// Every image operation of the batch actions, by action id. In place operations change
// the image they are given and return a success flag; new-buffer operations return a new
// image (null on failure) and leave the source alone, its size travelling with it.
//
//  1 "Overlay Text"                  overlayTextBE              in place
//  2 "Overlay Image"                 overlayImageBE             in place
//  3 "Rotate"                        rotateImageBE              new buffer
//  4 "Flip"                          vFlip                      in place
//  5 "Mirror"                        hFlip                      in place
//  6 "Resize"                        resizeImageBE              new buffer
//  7 "Add Border"                    addBorderBE                new buffer
//  8 "Buttonize"                     createButtonImage          in place
//  9 "Glass Frame"                   applyFrameGlass            in place
// 10 "Blur"                          blurImage                  new buffer
// 11 "Sharpen"                       sharpenImageBE             new buffer
// 12 "Median Cut"                    applyMedianCut             new buffer
// 14 "Apply Filter"                  applyFilterBE              new buffer
// 15 "Apply Convolution Filter"      applyConvFilter            new buffer
// 16 "Adjust Brightness/Contrast"    changeBrightnessContrast   in place
// 18 "Convert to Gray Scale"         applyGrayScale             in place
// 19 "Invert Colors"                 invertAllColors            in place
// 20 "Invert Red"                    invertRedColor             in place
// 21 "Invert Green"                  invertGreenColor           in place
// 22 "Invert Blue"                   invertBlueColor            in place
// 23 "Replace Color"                 replaceColorBE             in place
// 24 "Histogram Equalize"            histogramEqualize          in place
// 25 "Change Color Depth"            changeColorDepth           in place

#include "actions/addborderbe.h"
#include "actions/applyconvfilter.h"
#include "actions/applyfilterbe.h"
#include "actions/applyframeglass.h"
#include "actions/applygrayscale.h"
#include "actions/applymediancut.h"
#include "actions/blurimage.h"
#include "actions/changebrightnesscontrast.h"
#include "actions/changecolordepth.h"
#include "actions/createbuttonimage.h"
#include "actions/histogramequalize.h"
#include "actions/invertcolors.h"
#include "actions/overlayimagebe.h"
#include "actions/overlaytextbe.h"
#include "actions/replacecolorbe.h"
#include "actions/resizeimagebe.h"
#include "actions/rotateimagebe.h"
#include "actions/sharpenimagebe.h"
#include "actions/vflip.h"
