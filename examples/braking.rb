!COMMENT!
Keeping a safe braking distance to the car ahead. Both variables have a symmetric context <-h, h>,
so their expressions carry a sign: -big, -medium, -small, zero, +small, +medium, +big.
Input: gap error (m) = actual gap - safe braking distance; negative: too close.
Output: acceleration (m/s2); negative values brake.
!END_COMMENT!

TypeOfDescription=linguistic
InfMethod=Logical_Deduction
DefuzzMethod=DefuzzLingExpression
UseFuzzyFilter=false

NumberOfAntecedentVariables=1
NumberOfSuccedentVariables=1
NumberOfRules=7

AntVariable1
 name=gap_error
 settings=linguistic
 context=<-40,40>
 discretization=401
 lingparams=0.05 0.304 0.4 0.94
End_AntVariable1

SucVariable1
 name=acceleration
 settings=linguistic
 context=<-6,6>
 discretization=401
 lingparams=0.05 0.304 0.4 0.94
End_SucVariable1

RULES
; too close: brake, the harder the closer
 "-bi" | "-ex bi"
 "-me" | "-bi"
 "-sm" | "-me"
; at the safe distance: hold the speed
 "ze" | "ze"
; too far behind: close the gap gently
 "+sm" | "+sm"
 "+me" | "+me"
 "+bi" | "+me"
END_RULES
