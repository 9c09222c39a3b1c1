// The marking table: a rectangle worked out by hand, and on real hulls every point it gives lies
// on the outline and every station mark comes back from its offsets.
#include <gtest/gtest.h>

#include <cmath>

#include "develop/template_test_support.h"

namespace voriel {
namespace {

// 1000 mm x 200 mm, lower edge on the x axis, a point every 100 mm.
TemplatePlate rectangle() {
    TemplatePlate p;
    p.panel = TemplatePanel::Plank2;
    for (int j = 0; j <= 10; ++j) {
        const double x = 0.1 * j;
        p.lower.push_back({x, 0.0});
        p.upper.push_back({x, 0.2});
        p.lower3.push_back({x, 0.0, 0.0});
        p.upper3.push_back({x, 0.2, 0.0});
    }
    return p;
}

TEST(TemplateMarking, RectangleByHand) {
    const std::vector<TemplateMark> marks{{"St 6 x=0.250", 1, {0.25, 0.2}, {0.0, -1.0}}};
    const MarkingTable t = MakeMarkingTable(rectangle(), marks);
    EXPECT_DOUBLE_EQ(t.lengthMm, 1000.0);
    ASSERT_EQ(t.rows.size(), 12u);  // 0, 100, ..., 1000 and the mark
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
        const MarkingRow& r = t.rows[i];
        EXPECT_NEAR(*r.lowerMm, 0.0, 1e-9);
        EXPECT_NEAR(*r.upperMm, 200.0, 1e-9);
        if (i > 0) {
            EXPECT_GE(r.alongMm, t.rows[i - 1].alongMm);
        }
    }
    EXPECT_NEAR(t.rows[3].alongMm, 250.0, 1e-9);
    EXPECT_EQ(t.rows[3].mark, "St 6 x=0.250");
    EXPECT_EQ(t.rows[3].markEdge, 1);
    EXPECT_EQ(t.rows[2].mark, "");
    EXPECT_EQ(MarkingMm(12.26), 12.5);
    EXPECT_EQ(MarkingMm(-12.74), -12.5);
}

// Where the square line misses an edge the table says so rather than make a number up.
TEST(TemplateMarking, AnEdgeTheLineMissesHasNoOffset) {
    TemplatePlate p = rectangle();
    p.upper.back() = {0.95, 0.2};  // the upper edge stops 50 mm short
    p.upper[9] = {0.9, 0.2};
    const MarkingTable t = MakeMarkingTable(p, {});
    const MarkingRow& last = t.rows.back();
    EXPECT_NEAR(last.alongMm, 1000.0, 1e-9);
    EXPECT_TRUE(last.lowerMm.has_value());
    EXPECT_FALSE(last.upperMm.has_value());
}

void expectTableTrue(const TemplatePlate& plate, const std::vector<TemplateMark>& marks) {
    const MarkingTable t = MakeMarkingTable(plate, marks);
    ASSERT_FALSE(t.rows.empty());
    EXPECT_NEAR(t.rows.front().alongMm, 0.0, 1e-9);
    EXPECT_NEAR(t.rows.back().alongMm, t.lengthMm, 1e-6);
    int regular = 0;
    for (const MarkingRow& r : t.rows) {
        if (r.markEdge < 0 && r.alongMm < t.lengthMm - 1e-6) {
            EXPECT_NEAR(r.alongMm, 100.0 * regular, 1e-6);
            ++regular;
        }
        // The printed numbers, to 0.5 mm, give points on the outline within 0.5 mm.
        for (const auto* offset : {&r.lowerMm, &r.upperMm}) {
            if (!*offset) continue;
            const FlatPoint q = MarkingPoint(t, MarkingMm(r.alongMm), MarkingMm(**offset));
            EXPECT_LT(test::OutlineDistance(plate, q), 0.0005) << r.alongMm << " " << r.mark;
        }
    }
    // Each station mark comes back from its row: the distance and the offset to its edge.
    for (const TemplateMark& m : marks) {
        bool found = false;
        for (const MarkingRow& r : t.rows) {
            if (r.mark != m.label || r.markEdge != m.edge) continue;
            found = true;
            const auto& offset = m.edge == 0 ? r.lowerMm : r.upperMm;
            ASSERT_TRUE(offset.has_value());
            const FlatPoint q = MarkingPoint(t, MarkingMm(r.alongMm), MarkingMm(*offset));
            EXPECT_LT(std::hypot(q.x - m.at.x, q.y - m.at.y), 0.0005) << m.label;
        }
        EXPECT_TRUE(found) << m.label;
    }
}

TEST(TemplateMarking, HullTablesLieOnTheOutlineAndGiveBackTheStations) {
    for (uint32_t seed = 0; seed <= 8; ++seed) {
        const test::HullOnBoard b =
            seed == 0 ? test::DefaultOnBoard() : test::OnBoard(test::RandomHull(seed));
        for (const TemplatePanel panel : AvailableTemplatePanels(b.hull, b.board)) {
            SCOPED_TRACE(std::to_string(seed) + " " + TemplatePanelKey(panel));
            const TemplatePlate plate = MakeTemplatePlate(b.hull, b.board, panel);
            const std::vector<TemplateMark> marks = TemplateMarks(b.hull, plate, 1);
            EXPECT_FALSE(marks.empty());
            for (const TemplateMark& m : marks) {
                EXPECT_LT(test::OutlineDistance(plate, m.at), 1e-9) << m.label;
                EXPECT_NEAR(std::hypot(m.across.x, m.across.y), 1.0, 1e-9) << m.label;
            }
            expectTableTrue(plate, marks);
        }
    }
}

// The stations marked: every fifth and the max beam, each named once per edge it crosses.
TEST(TemplateMarking, StationsMarkedOnThePlanks) {
    const test::HullOnBoard b = test::DefaultOnBoard();
    const TemplatePlate plank = MakeTemplatePlate(b.hull, b.board, TemplatePanel::Plank1);
    const std::vector<TemplateMark> marks = TemplateMarks(b.hull, plank, 0);
    int lower = 0, upper = 0, bmax = 0;
    for (const TemplateMark& m : marks) {
        (m.edge == 0 ? lower : upper)++;
        if (m.label.find("Bmax") != std::string::npos) ++bmax;
    }
    // Stations 1, 6, ..., 81 and the max-beam station, on both edges of the plank.
    const int stations = 17 + ((b.hull.MaxBeamIndex - 1) % 5 == 0 ? 0 : 1);
    EXPECT_EQ(lower, stations);
    EXPECT_EQ(upper, stations);
    EXPECT_EQ(bmax, 2);
    EXPECT_EQ(marks.front().label, "St 1 x=" + std::string("0.000"));
}

}  // namespace
}  // namespace voriel
