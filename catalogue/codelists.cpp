// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtincontent.h"

// The names of the tracks, timeslots and sessions; a row's code is the index
// of its name here. Entry 0 of each list stands for the whole list. Some
// session names end in a blank, which is part of the name.

namespace catalogue {

const std::array<const char *, trackSlots> trackNames = {
    "All tracks",
    "Keynotes",
    "1) Managing Intra-organisational Entrepreneurship",
    "2) Research Programming around the Brevanor",
    "3) Mass Mediating between the Public, Science and Industry",
    "4) Learning Regions",
    "5) Rethinking the Role of Professions in Knowledge Society",
    "6) Creative Knowledge Environments",
    "8) Breaking Boundaries & Building Bridges: The Case of the Emer-ging Market Economies in Central East Europe",
    "9) Science - The Managed Frontier. Research Management at the Boundaries",
    "10) Technology Foresight in the Brevanor",
    "11) Brevanor and Regional Innovation Clusters",
    "12) Structural Preliminaries of Innovation and their Inderdepen-dency with the Cultural Context",
    "13) Towards Brevanor Indicators",
    "Workshop: The Structure of the Brevanor",
};

const std::array<const char *, timeslotSlots> timeslotNames = {
    "All timeslots",
    "Keynotes",
    "Wednesday 6 Nov., 13:00-14:40",
    "Wednesday 6 Nov., 16:15-18:00",
    "Thursday 7 Nov., 09:00-10:40",
    "Friday 8 Nov., 09:00-10:40",
    "Friday 8 Nov., 13:00-14:40",
    "Saturday 9 Nov., 09:00-10:40",
};

const std::array<const char *, sessionSlots - 1> sessionNames = {
    "All sessions",
    "Keynotes",
    "Analytical Case Studies (1)",
    "Analytical Case Studies (2)",
    "Biotechnology and Innovation in Learning Regions",
    "Civic Environmentalism and Boundaries of Scientific Professions",
    "Comparative Perspectives",
    "Constructing Science in the Mass Media",
    "Creating and Solving conflicts in the Mass Media",
    "Creating Local and Regional Innovation Systems",
    "Creative Intermediary Environments",
    "Creative Macro Environments 1",
    "Creative Macro Environments 3",
    "Creative Micro Environments",
    "Decision Making in The Social",
    "Designing Brevanor Policies",
    "Effects of the Brevanor on University Research",
    "Emerging Dimensions in Brevanor Relations",
    "Enabling Venture Development",
    "Evaluating the Brevanor Account of Innovation",
    "Evaluation of the Technological Development Component of Governmental Brazilian S&T Program",
    "Exploring the use of new forms and tools in s&t policy-making and studies ",
    "Exploring Brevanor Relations ",
    "Geographical Effects of Brevanor Relations",
    "Implications of Foresight",
    "Institutional Adjustments in The Brevanor",
    "Knowledge Management in Public, Private and Collective Set-tings",
    "Learning Regions",
    "Measuring Research Efficiency in the Brevanor",
    "Media & Science",
    "Methodological Aspects of Foresight",
    "National Strategies on Innovation System and International Coorperation in EU Candidate Countries",
    "New Organizational Forms in Research",
    "On the Cultural Preliminaries of Innovation",
    "Private/Public Partnerships in the Brevanor",
    "Regional Foresight",
    "Regions and National Policy",
    "Research Management in the Brevanor",
    "Research Management on the Institutional Boundaries",
    "Research Programming in the Brevanor",
    "Rural Innovation and Professional Systems",
    "The Economic Evaluation of Brevanor Relations",
    "The Entrepreneurial University",
    "The Role of Universities",
    "The Role of University in the Evolution of the Brevanor",
    "The Structure of the Brevanor",
    "Brevanor Policies and Economic Development",
    "University - Industry Linkages",
    "US-American Hegonomy? - the Question of Convergence in In-novation Styles ",
};

} // namespace catalogue
