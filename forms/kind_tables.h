#pragma once
// The property table of every kind with kind data (see kind_properties.h):
// one row per property, in the order of the kind's stored layout after the
// version word; rows without a field are live properties and come last.

#include "forms/kind_properties.h"

namespace forms {

template <>
struct KindTable<WindowData> {
    using D = WindowData;
    using P = WindowProperty;
    using T = PropertyType;
    static constexpr KindProperty<D> kRows[] = {
        {P::BorderStyle, T::Choice, &D::borderStyle},
        {P::Property12, T::Choice, &D::property12},
        {P::BackgroundColour, T::BackColour, &D::backgroundColour},
        {P::MaximizeButton, T::Logical, &D::maximizeButton},
        {P::MinimizeButton, T::Logical, &D::minimizeButton},
        {P::ControlBox, T::Logical, &D::controlBox},
        {P::StartPosition, T::Choice, &D::startPosition},
        {P::Movable, T::Logical, &D::movable},
        {P::Property14, T::Choice, &D::property14},
        {P::EnterMovesFocus, T::Logical, &D::enterMovesFocus},
        {P::EscCloses, T::Logical, &D::escCloses},
        {P::F1OpensHelp, T::Logical, &D::f1OpensHelp},
        {P::HelpContext, T::Integer, &D::helpContext},
        {P::ShownOnTaskBar, T::Logical, &D::shownOnTaskBar, 2},
        {P::DragAnywhere, T::Logical, &D::dragAnywhere, 3},
        {P::Property28, T::Choice, &D::property28, 3},
        {P::Property29, T::Logical, &D::property29, 4},
        {P::Property30, T::Logical, &D::property30, 5},
        {P::Property31, T::Text, &D::property31, 6},
        {P::BackgroundPicture, T::Picture, &D::backgroundPicture},
        {P::Icon, T::Icon, &D::icon},
        {P::Property13, T::ByteBlock, &D::property13},
        {P::Title, T::Text, &D::title},
        {P::HelpFile, T::Text2, &D::helpFile},
    };
};

template <>
struct KindTable<EditBoxData> {
    using D = EditBoxData;
    using P = EditBoxProperty;
    using T = PropertyType;
    static constexpr KindProperty<D> kRows[] = {
        {P::BorderStyle, T::Choice, &D::borderStyle},
        {P::TextColour, T::Colour, &D::textColour},
        {P::BackgroundColour, T::BackColour, &D::backgroundColour},
        {P::HideSelection, T::Logical, &D::hideSelection},
        {P::MaxLength, T::Integer, &D::maxLength},
        {P::MultiLine, T::Logical, &D::multiLine},
        {P::ScrollBars, T::Choice, &D::scrollBars},
        {P::Alignment, T::Choice, &D::alignment},
        {P::InputMode, T::Choice, &D::inputMode},
        {P::PasswordChar, T::Text, &D::passwordChar},
        {P::CaseConversion, T::Choice, &D::caseConversion},
        {P::SpinBox, T::Choice, &D::spinBox},
        {P::SpinLimit1, T::Integer, &D::spinLimit1},
        {P::SpinLimit2, T::Integer, &D::spinLimit2},
        {P::SelectionStart, T::Integer, &D::selectionStart},
        {P::SelectionLength, T::Integer, &D::selectionLength},
        {P::Font, T::Font, &D::font},
        {P::Content, T::Text, &D::content},
        {P::Property27, T::Text3, &D::property27, 2},
        {P::Property28, T::Text4, &D::property28, 2},
        {P::SelectedText, T::Text},
        {P::ToolTip, T::Text},
    };
};

template <>
struct KindTable<LabelData> {
    using D = LabelData;
    using P = LabelProperty;
    using T = PropertyType;
    static constexpr KindProperty<D> kRows[] = {
        {P::TextEffect, T::Choice, &D::textEffect},
        {P::FrameWidth, T::Integer, &D::frameWidth},
        {P::BorderStyle, T::Choice, &D::borderStyle},
        {P::FrameColour1, T::Colour2, ArrayWord<D>{&D::frameColours, 0}},
        {P::FrameColour2, T::Colour2, ArrayWord<D>{&D::frameColours, 1}},
        {P::FrameColour3, T::Colour2, ArrayWord<D>{&D::frameColours, 2}},
        {P::TextColour, T::Colour, &D::textColour},
        {P::BackgroundColour, T::BackColour, &D::backgroundColour},
        {P::PictureMode, T::Choice, &D::pictureMode},
        {P::BackgroundPattern, T::Choice, &D::backgroundPattern},
        {P::PatternColour1, T::Colour2, ArrayWord<D>{&D::patternColours, 0}},
        {P::PatternColour2, T::Colour2, ArrayWord<D>{&D::patternColours, 1}},
        {P::PatternColour3, T::Colour2, ArrayWord<D>{&D::patternColours, 2}},
        {P::HorizontalAlignment, T::Choice, &D::horizontalAlignment},
        {P::VerticalAlignment, T::Choice, &D::verticalAlignment},
        {P::WordWrap, T::Logical, &D::wordWrap},
        {P::Font, T::Font, &D::font},
        {P::Picture, T::Picture, &D::picture},
        {P::Caption, T::Text, &D::caption},
        {P::Property27, T::Text3, &D::property27, 2},
        {P::Property28, T::Text4, &D::property28, 2},
    };
};

template <>
struct KindTable<ButtonData> {
    using D = ButtonData;
    using P = ButtonProperty;
    using T = PropertyType;
    static constexpr KindProperty<D> kRows[] = {
        {P::DefaultButton, T::Choice, &D::defaultButton},
        {P::HorizontalAlignment, T::Choice, &D::horizontalAlignment},
        {P::VerticalAlignment, T::Choice, &D::verticalAlignment},
        {P::Picture, T::Picture, &D::picture},
        {P::Font, T::Font, &D::font},
        {P::Caption, T::Text, &D::caption},
    };
};

template <>
struct KindTable<RadioButtonData> {
    using D = RadioButtonData;
    using P = RadioButtonProperty;
    using T = PropertyType;
    static constexpr KindProperty<D> kRows[] = {
        {P::Property9, T::Logical, &D::property9},
        {P::Property10, T::Logical, &D::property10},
        {P::Property12, T::Logical, &D::property12},
        {P::Property13, T::Choice, &D::property13},
        {P::Property14, T::Choice, &D::property14},
        {P::TextColour, T::Colour, &D::textColour},
        {P::BackgroundColour, T::BackColour, &D::backgroundColour},
        {P::Selected, T::Logical, &D::selected},
        {P::Picture, T::Picture, &D::picture},
        {P::Font, T::Font, &D::font},
        {P::Caption, T::Text, &D::caption},
    };
};

template <>
struct KindTable<ComboBoxData> {
    using D = ComboBoxData;
    using P = ComboBoxProperty;
    using T = PropertyType;
    static constexpr KindProperty<D> kRows[] = {
        {P::BoxType, T::Choice, &D::boxType},
        {P::Property10, T::Integer, &D::property10},
        {P::Property11, T::Integer, &D::property11},
        {P::Property12, T::Integer, &D::property12},
        {P::Property14, T::Logical, &D::property14},
        {P::Property15, T::Integer, &D::property15},
        {P::TextColour, T::Colour, &D::textColour},
        {P::BackgroundColour, T::BackColour, &D::backgroundColour},
        {P::Selection, T::Integer, &D::selection},
        {P::Font, T::Font, &D::font},
        {P::Property21, T::KindBlock, &D::property21},
        {P::Content, T::Text, &D::content},
        {P::Items, T::KindBlock, &D::items},
        {P::Property22, T::Text3, &D::property22, 2},
        {P::Property23, T::Text4, &D::property23, 2},
        {P::Property24, T::Logical, &D::property24, 3},
        {P::Property13, T::Integer},
    };
};

template <>
struct KindTable<GroupBoxData> {
    using D = GroupBoxData;
    using P = GroupBoxProperty;
    using T = PropertyType;
    static constexpr KindProperty<D> kRows[] = {
        {P::Property9, T::Choice, &D::property9},
        {P::TextColour, T::Colour, &D::textColour},
        {P::BackgroundColour, T::BackColour, &D::backgroundColour},
        {P::Font, T::Font, &D::font},
        {P::Caption, T::Text, &D::caption},
    };
};

template <>
struct KindTable<TabControlData> {
    using D = TabControlData;
    using P = TabControlProperty;
    using T = PropertyType;
    static constexpr KindProperty<D> kRows[] = {
        {P::Property8, T::Choice, &D::property8},
        {P::Property9, T::Logical, &D::property9},
        {P::CurrentPage, T::Integer, &D::initialPage},
        {P::Property13, T::Logical, &D::property13, 2},
        {P::Property14, T::Logical, &D::property14, 3},
        {P::BackgroundColour, T::BackColour, &D::backgroundColour, 3},
        {P::Font, T::Font, &D::font},
        {P::PageCaptions, T::KindBlock, &D::pageCaptions},
    };
};

template <>
struct KindTable<PictureBoxData> {
    using D = PictureBoxData;
    using T = PropertyType;
    static constexpr KindProperty<D> kRows[] = {
        {8, T::Choice, &D::property8},     {9, T::BackColour, &D::backgroundColour},
        {10, T::Picture, &D::picture},  // an image file
        {11, T::Choice, &D::property11},   {12, T::Logical, &D::property12},
        {13, T::Text3, &D::property13, 2}, {14, T::Text4, &D::property14, 2},
    };
};

template <>
struct KindTable<HyperLinkerData> {
    using D = HyperLinkerData;
    using P = HyperLinkerProperty;
    using T = PropertyType;
    static constexpr KindProperty<D> kRows[] = {
        {P::LinkType, T::Choice, &D::linkType},
        {P::NormalColour, T::Colour, &D::normalColour},
        {P::VisitedColour, T::Colour, &D::visitedColour},
        {P::HoverColour, T::Colour, &D::hoverColour},
        {P::BackgroundColour, T::BackColour, &D::backgroundColour},
        {P::BorderStyle, T::Choice, &D::borderStyle},
        {P::Font, T::Font, &D::font},
        {P::Caption, T::Text, &D::caption},
        {P::EmailAddress, T::Text, &D::emailAddress},
        {P::WebAddress, T::Text, &D::webAddress},
    };
};

template <>
struct KindTable<TimerData> {
    using D = TimerData;
    static constexpr KindProperty<D> kRows[] = {
        {TimerProperty::Period, PropertyType::Integer, &D::period},
    };
};

template <>
struct KindTable<TransLabelData> {
    using D = TransLabelData;
    using P = TransLabelProperty;
    using T = PropertyType;
    static constexpr KindProperty<D> kRows[] = {
        {P::TextEffect, T::Choice, &D::textEffect},
        {P::TextColour, T::Colour, &D::textColour},
        {P::HorizontalAlignment, T::Choice, &D::horizontalAlignment},
        {P::VerticalAlignment, T::Choice, &D::verticalAlignment},
        {P::WordWrap, T::Logical, &D::wordWrap},
        {P::Font, T::Font, &D::font},
        {P::Caption, T::Text, &D::caption},
    };
};

}  // namespace forms
