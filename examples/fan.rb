!COMMENT!
Cooling fan of a computer, a singleton (Takagi-Sugeno) rule base: every rule concludes a fixed fan speed,
and the output is the average of those speeds weighted by how well each rule's inputs match.
Inputs: CPU temperature (deg C), described by the user terms cool, warm and hot, and CPU load (%),
described by small, medium and big. Output: fan speed (rpm).
!END_COMMENT!

TypeOfDescription=singleton
InfMethod=Takagi-Sugeno Inference
DefuzzMethod=SimpDefuzzLingExpression
UseFuzzyFilter=false

NumberOfAntecedentVariables=2
NumberOfSuccedentVariables=1
NumberOfRules=9

AntVariable1
 name=temperature
 settings=linguistic
 context=<20,100>
 discretization=301
 lingparams=0.05 0.304 0.4 0.94
 UserTerm
  name=cool
  type=trapezoid
  parameters= 20 20 40 55
 End_UserTerm
 UserTerm
  name=warm
  type=triang
  parameters= 40 60 80
 End_UserTerm
 UserTerm
  name=hot
  type=trapezoid
  parameters= 65 85 100 100
 End_UserTerm
End_AntVariable1

AntVariable2
 name=load
 settings=linguistic
 context=<0,100>
 discretization=301
 lingparams=0.05 0.304 0.4 0.94
End_AntVariable2

SucVariable1
 name=fan_speed
 settings=linc
 context=<0,5000>
End_SucVariable1

RULES
 "cool" "sm" | "600"
 "cool" "me" | "900"
 "cool" "bi" | "1300"
 "warm" "sm" | "1500"
 "warm" "me" | "2000"
 "warm" "bi" | "2600"
 "hot" "sm" | "3200"
 "hot" "me" | "3900"
 "hot" "bi" | "4800"
END_RULES
