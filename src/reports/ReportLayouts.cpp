#include "reports/ReportLayouts.h"

#include <array>
#include <string>

namespace tavo {

namespace {

constexpr Box B(double left, double top, double width, double height) {
    return {Mm(left), Mm(top), Mm(width), Mm(height)};
}

TextFont Arial(int points, bool bold = false) {
    return {"Arial", points, bold};
}
constexpr bool kBold = true;

ReportItem HorizontalLine(std::string name, Box place) {
    return MakeLine(std::move(name), LineDirection::Horizontal, place);
}

PageSetup A4Portrait(double leftMargin, double rightMargin) {
    return {Mm(210.079),    Mm(297.127),    PaperOrientation::Portrait, Mm(6.350), Mm(6.350),
            Mm(leftMargin), Mm(rightMargin)};
}

// A label and the data text beside it, as the project details report pairs them.
void AddPair(Band& band, const char* label, const char* caption, double labelLeft, double labelTop,
             const char* text, const char* field, double textTop, double textHeight = 4.233) {
    band.Items.push_back(MakeLabel(label, caption, Arial(8, kBold),
                                   B(labelLeft, labelTop, 17.727, 3.704), kFixed | kRight));
    band.Items.push_back(
        MakeDataText(text, field, Arial(10), B(26.988, textTop, 144.780, textHeight)));
}

// The boundaries of the installation report's ten columns, shared by the vertical lines of
// all three bands.
constexpr std::array<double, 11> kColumnBoundaries = {
    0.529, 12.700, 41.275, 71.173, 109.273, 148.167, 192.617, 243.153, 256.382, 271.198, 285.486};

void AddColumnLines(Band& band, const std::array<const char*, 11>& names,
                    const std::array<double, 11>& tops, double height) {
    for (std::size_t at = 0; at < names.size(); ++at)
        band.Items.push_back(MakeLine(names[at], LineDirection::Vertical,
                                      B(kColumnBoundaries[at], tops[at], 1.323, height)));
}

}  // namespace

ReportLayout REPprojectDetail() {
    ReportLayout report;
    report.Name = "REPprojectDetail";
    report.JobName = "Report";
    report.FeedName = "PIPEprojectDetails";
    report.Passes = 2;
    report.Page = A4Portrait(16.510, 16.510);

    report.Header.Height = Mm(20.373);
    report.Header.Items = {
        MakePicture("ppImage1", kLogoImage, B(120.121, 0.000, 53.711, 16.140)),
        MakeLabel("ppLabel1", "Tavo Calculator/Installation Reporter", Arial(12),
                  B(3.440, 1.323, 68.527, 4.763)),
        MakeLabel("ppLabel2", "Project Information", Arial(16, kBold),
                  B(3.704, 7.938, 50.800, 6.350)),
    };

    Band& detail = report.Detail;
    detail.Height = Mm(192.882);
    detail.Items = {
        MakeDataText("ppDBText14", "ProjectName", Arial(14), B(20.638, 1.852, 111.390, 5.821)),
        MakeLabel("ppLabel3", "Project:", Arial(8, kBold), B(4.233, 3.704, 11.113, 3.704)),
        HorizontalLine("ppLine2", B(0.000, 10.583, 177.007, 2.646)),
        MakeLabel("ppLabel12", "Installer Details", Arial(12), B(7.673, 15.610, 27.781, 4.763)),
    };
    AddPair(detail, "ppLabel4", "Name:", 4.498, 23.019, "ppDBText1", "InstallerName", 22.754);
    AddPair(detail, "ppLabel5", "Company:", 4.498, 28.575, "ppDBText2", "InstallerCompany", 28.310);
    AddPair(detail, "ppLabel6", "Address:", 4.498, 34.396, "ppDBText3", "InstallerAddress", 33.867);
    AddPair(detail, "ppLabel7", "Phone:", 4.498, 40.217, "ppDBText4", "InstallerPhone", 39.423);
    AddPair(detail, "ppLabel8", "Mobile:", 4.498, 45.508, "ppDBText5", "InstallerMobile", 45.244);
    AddPair(detail, "ppLabel9", "Fax:", 4.498, 51.329, "ppDBText6", "InstallerFax", 51.065);
    AddPair(detail, "ppLabel10", "Email:", 4.498, 57.150, "ppDBText7", "InstallerEmail", 56.886);
    AddPair(detail, "ppLabel11", "Website:", 4.498, 62.706, "ppDBText8", "InstallerWebsite",
            62.706);
    detail.Items.push_back(HorizontalLine("ppLine1", B(0.000, 74.083, 177.007, 2.646)));
    detail.Items.push_back(
        MakeLabel("ppLabel13", "Project Details", Arial(12), B(7.673, 79.375, 26.988, 4.763)));
    AddPair(detail, "ppLabel14", "Project:", 3.969, 87.577, "ppDBText9", "ProjectName", 87.577);
    AddPair(detail, "ppLabel15", "Location:", 3.969, 93.398, "ppDBText10", "ProjectLocation",
            93.134);
    AddPair(detail, "ppLabel16", "Consultant:", 3.969, 98.954, "ppDBText11", "ProjectConsultant",
            98.690);
    AddPair(detail, "ppLabel17", "Architect:", 3.969, 104.511, "ppDBText12", "ProjectArchitect",
            104.246, 4.498);
    AddPair(detail, "ppLabel18", "Owner:", 3.969, 110.331, "ppDBText13", "ProjectOwner", 110.067);
    detail.Items.push_back(HorizontalLine("ppLine3", B(0.000, 121.709, 177.007, 2.646)));
    detail.Items.push_back(
        MakeLabel("ppLabel19", "Notes", Arial(12), B(7.673, 126.471, 10.848, 4.763)));
    detail.Items.push_back(
        MakeMemo("ppDBMemo1", "Notes", Arial(10), B(4.498, 135.202, 167.216, 55.563)));

    report.Footer.Height = Mm(13.229);
    report.Footer.Items = {
        MakeSystemVariable("ppSystemVariable1", SystemValue::PrintDateTime, Arial(10),
                           B(2.910, 6.879, 37.571, 4.233)),
        MakeSystemVariable("ppSystemVariable2", SystemValue::PageDescription, Arial(10),
                           B(155.840, 7.408, 18.785, 4.233), kRight),
    };
    return report;
}

ReportLayout REPcalculator() {
    ReportLayout report;
    report.Name = "REPcalculator";
    report.JobName = "Report1";
    report.FeedName = "PIPEcalculator";
    report.Passes = 1;
    report.Page = A4Portrait(11.350, 6.350);

    report.Header.Height = Mm(47.625);
    report.Header.Items = {
        MakePicture("ppImage2", kLogoImage, B(129.117, 0.000, 53.711, 16.140)),
        MakeLabel("ppLabel20", "Tavo Calculator/Installation Reporter", Arial(12),
                  B(3.440, 1.323, 68.527, 4.763)),
        MakeLabel("ppLabel21", "Network Information", Arial(16, kBold),
                  B(3.704, 6.879, 53.446, 6.350)),
        MakeLabel("ppLabel50", "Network:", Arial(8, kBold), B(7.673, 20.902, 13.229, 3.704),
                  kRight),
        MakeDataText("ppDBText44", "Network", Arial(12, kBold), B(24.342, 20.373, 111.390, 5.027)),
        MakeLabel("ppLabel22", "Project:", Arial(8, kBold), B(9.790, 29.633, 11.113, 3.704)),
        MakeDataText("ppDBText15", "ProjectName", Arial(12, kBold),
                     B(24.342, 29.104, 111.390, 5.027)),
        MakeLabel("ppLabel23", "Description", Arial(8, kBold), B(3.175, 40.217, 16.669, 3.704)),
        MakeLabel("ppLabel24", "Cat No", Arial(8, kBold), B(150.019, 40.481, 9.260, 3.704)),
        MakeLabel("ppLabel25", "Quantity", Arial(8, kBold), B(170.127, 40.481, 11.906, 3.704)),
        HorizontalLine("ppLine4", B(0.000, 44.979, 186.267, 2.646)),
    };

    report.Detail.Height = Mm(5.821);
    report.Detail.Items = {
        MakeDataText("ppDBText16", "ItemDesc", Arial(10), B(3.175, 0.000, 138.377, 4.233)),
        MakeDataText("ppDBText17", "ItemCatNo", Arial(10), B(144.463, 0.000, 20.373, 4.233)),
        MakeDataText("ppDBText18", "ItemQuantity", Arial(10), B(165.894, 0.000, 17.198, 4.233),
                     kRight),
    };

    report.Footer.Height = Mm(57.944);
    report.Footer.Items = {
        HorizontalLine("ppLine5", B(0.000, 0.794, 186.267, 2.646)),
        MakeDataText("ppDBText20", "Detail1a", Arial(10), B(3.969, 6.615, 12.435, 4.233), kAuto),
        MakeDataText("ppDBText23", "Detail1b", Arial(10), B(55.563, 6.614, 50.800, 4.233)),
        MakeDataText("ppDBText21", "Detail2a", Arial(10), B(3.969, 11.906, 12.435, 4.233), kAuto),
        MakeDataText("ppDBText24", "Detail2b", Arial(10), B(55.563, 11.905, 50.800, 4.233)),
        MakeDataText("ppDBText22", "Detail3a", Arial(10), B(3.969, 17.198, 12.435, 4.233), kAuto),
        MakeDataText("ppDBText25", "Detail3b", Arial(10), B(55.563, 17.198, 50.800, 4.233)),
        MakeSystemVariable("ppSystemVariable3", SystemValue::PrintDateTime, Arial(10),
                           B(3.440, 50.271, 37.571, 4.233)),
        // lblPage and lblSysPage share a place: the program shows one of them at a time.
        MakeLabel("lblPage", "", Arial(10), B(114.300, 50.271, 71.438, 4.233),
                  kFixed | kRight | kHidden),
        MakeSystemVariable("lblSysPage", SystemValue::PageDescription, Arial(10),
                           B(167.746, 50.271, 18.256, 4.233), kFixed | kRight),
    };
    return report;
}

ReportLayout REPinstallation() {
    ReportLayout report;
    report.Name = "REPinstallation";
    report.JobName = "Report2";
    report.FeedName = "PIPEinstallation";
    report.Passes = 2;
    report.Page = {Mm(297.000), Mm(210.000), PaperOrientation::Landscape, Mm(6.350), Mm(6.350),
                   Mm(5.080),   Mm(5.080)};

    Band& header = report.Header;
    header.Height = Mm(30.427);
    header.Items = {
        MakeLabel("ppLabel27", "Tavo Installation Report", Arial(18, kBold),
                  B(2.117, 1.588, 76.465, 7.673)),
        MakePicture("ppImage3", kLogoImage, B(229.923, 1.588, 53.711, 16.140)),
        MakeLabel("lblppProject", "", Arial(10), B(23.548, 10.583, 17.992, 4.233)),
        MakeLabel("ppLabel28", "Project", Arial(8, kBold), B(2.117, 11.377, 10.319, 3.704)),
        MakeLabel("ppLabel26", "Value Format", Arial(8, kBold), B(2.381, 15.875, 19.315, 3.704)),
        MakeLabel("lblValueFormat", "", Arial(8), B(23.019, 15.875, 18.785, 3.704), 0, 9),
        MakeLabel("ppLabel44", "Type", Arial(10), B(73.554, 19.844, 8.202, 4.233)),
        MakeLabel("ppLabel45", "Application", Arial(10), B(110.067, 19.844, 16.933, 4.233)),
        MakeLabel("ppLabel54", "Burden", Arial(10), B(243.682, 19.844, 10.848, 4.233)),
        MakeLabel("ppLabel41", "Unit", Arial(10), B(2.910, 20.108, 6.085, 4.233)),
        MakeLabel("ppLabel43", "Partname", Arial(10), B(43.656, 20.108, 11.906, 4.233)),
        MakeLabel("ppLabel49", "Area", Arial(10), B(148.961, 20.108, 7.144, 4.233)),
        MakeLabel("ppLabel52", "Groups", Arial(10), B(193.411, 20.108, 11.113, 4.233)),
        MakeLabel("ppLabel55", "Clock", Arial(10), B(257.176, 20.108, 8.731, 4.233)),
        MakeLabel("ppLabel56", "Delays", Arial(10), B(273.315, 20.108, 10.583, 4.233)),
        MakeLabel("ppLabel29", "Network", Arial(10), B(15.875, 20.373, 12.435, 4.233)),
        HorizontalLine("ppLine8", B(0.529, 28.310, 285.221, 1.323)),
    };
    AddColumnLines(
        header,
        {"ppLine29", "ppLine9", "ppLine11", "ppLine12", "ppLine13", "ppLine14", "ppLine15",
         "ppLine16", "ppLine17", "ppLine18", "ppLine30"},
        {28.575, 28.517, 28.782, 28.517, 28.575, 28.517, 28.575, 28.517, 28.517, 28.575, 28.310},
        17.727);

    Band& detail = report.Detail;
    detail.Height = Mm(5.292);
    // Tag 7 marks a hexadecimal column and tag 8 its decimal partner in the same place.
    const auto text = [](const char* name, const char* field, double left, double width,
                         unsigned flags = 0, int tag = 0) {
        return MakeDataText(name, field, Arial(10), B(left, 0.000, width, 4.233), flags, tag);
    };
    detail.Items = {
        text("ppDBText27", "UnitAddressDec", 2.646, 7.144, kRight, 8),
        text("ppDBText28", "UnitAddressHex", 2.646, 5.821, kRight, 7),
        text("pptNetWork", "Network", 15.875, 12.435, kAuto),
        text("ppDBText30", "PartName", 43.656, 15.346, kAuto),
        text("ppDBText19", "UnitType", 73.554, 13.494, kAuto),
        text("ppDBText29", "ApplicationDec", 110.067, 6.085, kRight, 8),
        text("ppDBText38", "ApplicationHex", 110.067, 6.350, kRight, 7),
        text("ppDBText37", "ApplicationTag", 117.211, 28.840),
        text("ppDBText32", "AreaDec", 148.696, 6.350, kRight, 8),
        text("ppDBText33", "AreaHex", 148.696, 6.350, kRight, 7),
        text("ppDBText31", "AreaTag", 155.840, 35.983),
        text("ppDBText35", "GroupsDec", 193.940, 6.085, kRight, 8),
        text("ppDBText39", "GroupsHex", 193.940, 6.085, kRight, 7),
        text("ppDBText34", "GroupsTag", 201.348, 41.010),
        text("ppDBText40", "Burden", 243.946, 11.113),
        text("ppDBText41", "Clock", 257.176, 10.054),
        text("ppDBText42", "Delays", 272.786, 11.377, kRight),
    };
    AddColumnLines(detail,
                   {"ppLine44", "ppLine7", "ppLine20", "ppLine21", "ppLine22", "ppLine23",
                    "ppLine24", "ppLine25", "ppLine26", "ppLine27", "ppLine43"},
                   {}, 10.000);
    detail.Items.push_back(HorizontalLine("ppLine45", B(0.529, 4.969, 285.221, 2.117)));

    Band& footer = report.Footer;
    footer.Height = Mm(13.229);
    AddColumnLines(footer,
                   {"ppLine32", "ppLine28", "ppLine34", "ppLine35", "ppLine36", "ppLine37",
                    "ppLine38", "ppLine39", "ppLine40", "ppLine41", "ppLine42"},
                   {}, 4.498);
    footer.Items.front().Place.Height = Mm(4.763);  // ppLine32
    footer.Items.push_back(HorizontalLine("ppLine6", B(0.529, 4.498, 285.221, 2.910)));
    footer.Items.push_back(MakeSystemVariable("ppSystemVariable5", SystemValue::PrintDateTime,
                                              Arial(9), B(2.117, 7.408, 33.338, 3.969)));
    footer.Items.push_back(MakeSystemVariable("ppSystemVariable6", SystemValue::PageDescription,
                                              Arial(9), B(264.584, 7.673, 19.050, 3.969), kRight));
    return report;
}

}  // namespace tavo
